#pragma once

#include <QListView>
#include <QStringList>

class QStringListModel;

// The list of fixed-width text lines every list window shows: "Courier New" 12, one selectable
// line, both scroll bars, long lines scrolled sideways. Filled in one go, so that tens of
// thousands of lines appear at once; nothing is selected after filling.
class ResultList : public QListView {
    Q_OBJECT
public:
    explicit ResultList(QWidget* parent = nullptr);

    void setLines(const QStringList& lines);
    void clear();
    const QStringList& lines() const { return m_lines; }
    int count() const { return int(m_lines.size()); }

    // The selected line's index, or -1.
    int selectedIndex() const;
    void selectIndex(int index);
    QString selectedLine() const;

signals:
    // A double-click anywhere on the list; the selected line is the one meant.
    void listDoubleClicked();

protected:
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    QStringListModel* m_model;
    QStringList m_lines;
    class RowWidth* m_rows;
};
