#pragma once

#include "LineStore.h"

#include <QListView>
#include <QStringList>
#include <vector>

// The lines of a list of records, each beside the number of the record it was built from.
struct RecordLines {
    LineStore lines;
    std::vector<qint64> records;

    void append(const QString& line, qint64 record)
    {
        lines.append(line);
        records.push_back(record);
    }
    void append(const LineBuilder& builder, const char* bytes, qint64 record)
    {
        lines.append(builder, bytes);
        records.push_back(record);
    }
    // The other's lines after these; a copy, so that lines joined to themselves stay whole.
    void append(RecordLines other)
    {
        lines.append(std::move(other.lines));
        records.insert(records.end(), other.records.begin(), other.records.end());
    }
};

// The list of fixed-width text lines every list window shows: "Courier New" 12, one selectable
// line, both scroll bars, long lines scrolled sideways. Filled in one go, so that tens of
// thousands of lines appear at once; nothing is selected after filling. The lines are held here
// once, in the list's model.
class ResultList : public QListView {
    Q_OBJECT
public:
    explicit ResultList(QWidget* parent = nullptr);

    // Lines that stand for records; a click or a double-click acts on the record of its line.
    void setLines(RecordLines lines);
    // Lines of no record (a fixed table, a verdict).
    void setLines(const QStringList& lines);
    void clear();
    // The narrowest the rows may be (1400 pixels unless a window says otherwise); a longer line
    // still widens them to its end.
    void setMinimumRowWidth(int width);
    // Adds one line at the end.
    void appendLine(const QString& line, qint64 record);
    // The lines as text, for printing.
    QStringList lines() const;
    // The lines where they are held, for the find.
    const LineStore& store() const;
    int count() const { return int(store().size()); }

    // The selected line's index, or -1.
    int selectedIndex() const;
    void selectIndex(int index);
    QString selectedLine() const;
    // The record the selected line was built from; 0 when no line is selected or it stands for
    // no record.
    qint64 selectedRecord() const;

signals:
    // A double-click on a line, or Enter on the selected line; the selected line is the one meant.
    void listDoubleClicked();
    // Another line was selected, by the mouse or the keyboard, or the selection was emptied.
    void selectionMoved();

protected:
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    // The width of a line of that many characters, in the list's fixed-pitch font.
    int widthOf(qsizetype characters) const;
    void fitRows();

    class LineModel* m_model;
    class RowWidth* m_rows;
};
