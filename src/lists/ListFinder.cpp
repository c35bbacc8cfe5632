#include "ListFinder.h"

#include "ListFind.h"
#include "MessageBox.h"
#include "ResultList.h"

#include <QLineEdit>
#include <QPushButton>

namespace {

const QString kEmptyList = QStringLiteral("Ricerca non applicabile: la lista non contiene nessuna voce.");

} // namespace

ListFinder::ListFinder(QLineEdit* field, QPushButton* button, ResultList* list, bool enterMovesToButton)
    : QObject(list)
    , m_field(field)
    , m_button(button)
    , m_list(list)
{
    if (enterMovesToButton)
        connect(m_field, &QLineEdit::returnPressed, m_button, qOverload<>(&QWidget::setFocus));
    connect(m_button, &QPushButton::clicked, this, &ListFinder::find);
}

void ListFinder::find()
{
    if (m_list->count() == 0) {
        MessageBox::plain(m_list->window(), kEmptyList);
        return;
    }
    m_list->selectIndex(findInList(m_list->store(), m_list->selectedIndex(), m_field->text(), *m_memory));
}
