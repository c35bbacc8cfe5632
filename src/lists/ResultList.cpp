#include "ResultList.h"

#include <QStringListModel>
#include <QStyledItemDelegate>

// Every row as wide as the longest line (1400 pixels at least), so that the list scrolls sideways
// to the end of any line while the rows keep one size.
class RowWidth : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    int width = 1400;

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        return QSize(width, QStyledItemDelegate::sizeHint(option, index).height());
    }
};

ResultList::ResultList(QWidget* parent)
    : QListView(parent)
    , m_model(new QStringListModel(this))
    , m_rows(new RowWidth(this))
{
    QFont font(QStringLiteral("Courier New"), 12);
    font.setStyleHint(QFont::Monospace);
    font.setFixedPitch(true);
    setFont(font);
    setModel(m_model);
    setItemDelegate(m_rows);
    setUniformItemSizes(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    setWordWrap(false);
    setTextElideMode(Qt::ElideNone);
    QPalette p = palette();
    p.setColor(QPalette::Text, Qt::black);
    setPalette(p);
}

void ResultList::setLines(const QStringList& lines)
{
    qsizetype longest = 0;
    for (const QString& line : lines)
        longest = std::max(longest, line.size());
    m_rows->width = std::max(1400, fontMetrics().horizontalAdvance(QLatin1Char('M')) * int(longest) + 12);
    m_lines = lines;
    m_model->setStringList(m_lines);
    clearSelection();
    setCurrentIndex(QModelIndex());
}

void ResultList::clear()
{
    setLines(QStringList());
}

int ResultList::selectedIndex() const
{
    const QModelIndexList selected = selectionModel()->selectedIndexes();
    return selected.isEmpty() ? -1 : selected.first().row();
}

void ResultList::selectIndex(int index)
{
    if (index < 0 || index >= count()) {
        clearSelection();
        return;
    }
    const QModelIndex item = m_model->index(index);
    setCurrentIndex(item);
    selectionModel()->select(item, QItemSelectionModel::ClearAndSelect);
    scrollTo(item);
}

QString ResultList::selectedLine() const
{
    const int index = selectedIndex();
    return index < 0 ? QString() : m_lines.at(index);
}

void ResultList::mouseDoubleClickEvent(QMouseEvent* event)
{
    QListView::mouseDoubleClickEvent(event);
    emit listDoubleClicked();
}
