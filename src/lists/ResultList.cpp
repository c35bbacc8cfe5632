#include "ResultList.h"

#include <QStringListModel>

ResultList::ResultList(QWidget* parent)
    : QListView(parent)
    , m_model(new QStringListModel(this))
{
    QFont font(QStringLiteral("Courier New"), 12);
    font.setStyleHint(QFont::Monospace);
    font.setFixedPitch(true);
    setFont(font);
    setModel(m_model);
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
    connect(this, &QListView::doubleClicked, this, [this](const QModelIndex& index) {
        if (index.isValid())
            emit lineDoubleClicked(index.row());
    });
}

void ResultList::setLines(const QStringList& lines)
{
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
