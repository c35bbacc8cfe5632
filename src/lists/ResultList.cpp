#include "ResultList.h"

#include <QAbstractListModel>
#include <QKeyEvent>
#include <QMetaMethod>
#include <QMouseEvent>
#include <QStyledItemDelegate>
#include <algorithm>

// The list's lines and their records, shown as they are.
class LineModel : public QAbstractListModel {
public:
    using QAbstractListModel::QAbstractListModel;

    RecordLines content;

    void append(const QString& line, qint64 record)
    {
        const int row = int(content.lines.size());
        beginInsertRows(QModelIndex(), row, row);
        content.append(line, record);
        endInsertRows();
    }

    void reset(RecordLines lines)
    {
        beginResetModel();
        content = std::move(lines);
        content.lines.squeeze();
        endResetModel();
    }

    int rowCount(const QModelIndex& parent) const override
    {
        return parent.isValid() ? 0 : int(content.lines.size());
    }

    QVariant data(const QModelIndex& index, int role) const override
    {
        if (role != Qt::DisplayRole || index.row() < 0 || index.row() >= content.lines.size())
            return QVariant();
        return content.lines.at(index.row());
    }
};

// Every row as wide as the longest line (1400 pixels at least), so that the list scrolls sideways
// to the end of any line while the rows keep one size.
class RowWidth : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    int minimum = 1400;
    int width = 1400;

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        return QSize(width, QStyledItemDelegate::sizeHint(option, index).height());
    }
};

ResultList::ResultList(QWidget* parent)
    : QListView(parent)
    , m_model(new LineModel(this))
    , m_rows(new RowWidth(this))
{
    QFont font(QStringLiteral("Courier New"), 12);
    font.setStyleHint(QFont::Monospace);
    font.setFixedPitch(true);
    setFont(font);
    setModel(m_model);
    connect(selectionModel(), &QItemSelectionModel::selectionChanged, this, &ResultList::selectionMoved);
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

void ResultList::setLines(RecordLines lines)
{
    // A list of lines without records still answers "no record" for each line.
    lines.records.resize(size_t(lines.lines.size()), 0);
    m_model->reset(std::move(lines));
    fitRows();
    clearSelection();
    setCurrentIndex(QModelIndex());
}

void ResultList::setLines(const QStringList& lines)
{
    setLines(RecordLines {lines, {}});
}

void ResultList::clear()
{
    setLines(RecordLines());
}

void ResultList::setMinimumRowWidth(int width)
{
    m_rows->minimum = width;
    fitRows();
}

int ResultList::widthOf(qsizetype characters) const
{
    return fontMetrics().horizontalAdvance(QLatin1Char('M')) * int(characters) + 12;
}

void ResultList::fitRows()
{
    m_rows->width = std::max(m_rows->minimum, widthOf(store().longest()));
}

void ResultList::appendLine(const QString& line, qint64 record)
{
    m_rows->width = std::max(m_rows->width, widthOf(line.size()));
    m_model->append(line, record);
}

QStringList ResultList::lines() const
{
    return store();
}

const LineStore& ResultList::store() const
{
    return m_model->content.lines;
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
    return index < 0 ? QString() : store().at(index);
}

qint64 ResultList::selectedRecord() const
{
    const int index = selectedIndex();
    return index < 0 ? 0 : m_model->content.records.at(size_t(index));
}

void ResultList::mouseDoubleClickEvent(QMouseEvent* event)
{
    QListView::mouseDoubleClickEvent(event);
    // The blank area below the lines is no line at all.
    if (indexAt(event->position().toPoint()).isValid())
        emit listDoubleClicked();
}

void ResultList::keyPressEvent(QKeyEvent* event)
{
    // Enter chooses the selected line as a double-click does, in a list that acts on one; in any
    // other list it goes on to the window (its default button).
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    const bool acts = isSignalConnected(QMetaMethod::fromSignal(&ResultList::listDoubleClicked));
    if (enter && acts && selectedIndex() >= 0) {
        emit listDoubleClicked();
        return;
    }
    if (enter) {
        event->ignore();
        return;
    }
    QListView::keyPressEvent(event);
}
