#include "TfrmCalendario.h"

#include "Clock.h"
#include "EnterKey.h"
#include "WindowFlags.h"
#include "WindowParts.h"

#include <QCalendarWidget>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTextCharFormat>
#include <QVBoxLayout>

TfrmCalendario::TfrmCalendario(QWidget* parent)
    : QDialog(parent, kFixedDialog)
{
    setObjectName(QStringLiteral("frmCalendario"));
    setWindowTitle(QStringLiteral(" Importazione data"));
    setFixedSize(380, 330);

    lblData = new QLabel(QStringLiteral("Importare una data:"), this);
    lblData->setObjectName(QStringLiteral("lblData"));
    QFont bold = lblData->font();
    bold.setBold(true);
    lblData->setFont(bold);
    calAppuntamenti = new QCalendarWidget(this);
    calAppuntamenti->setObjectName(QStringLiteral("calAppuntamenti"));
    // Italian month and day names, the week from Monday.
    calAppuntamenti->setLocale(QLocale(QLocale::Italian, QLocale::Italy));
    calAppuntamenti->setFirstDayOfWeek(Qt::Monday);
    calAppuntamenti->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    calAppuntamenti->setGridVisible(true);
    // A loan falls due today at the earliest: the days before cannot be chosen, and their numbers
    // are greyed like those of the months around, which Qt greys already (it only greys the
    // background of a day out of range). No month before today's can be shown.
    const QDate today = Clock::today();
    calAppuntamenti->setMinimumDate(today);
    QTextCharFormat unavailable;
    unavailable.setForeground(calAppuntamenti->palette().brush(QPalette::Disabled, QPalette::Text));
    for (QDate day = QDate(today.year(), today.month(), 1); day < today; day = day.addDays(1))
        calAppuntamenti->setDateTextFormat(day, unavailable);
    calAppuntamenti->setSelectedDate(today);
    btnImportaData = pushButton(QStringLiteral("btnImportaData"), QStringLiteral("&Importa"), this);
    btnAnnulla = pushButton(QStringLiteral("btnAnnulla"), QStringLiteral("Annulla"), this);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(btnAnnulla);
    buttons->addStretch();
    buttons->addWidget(btnImportaData);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblData);
    layout->addWidget(calAppuntamenti, 1);
    layout->addLayout(buttons);

    connect(btnImportaData, &QPushButton::clicked, this, &QDialog::accept);
    connect(btnAnnulla, &QPushButton::clicked, this, &QDialog::reject);
    // Enter on a day (or a double-click) imports it, as "Importa" does.
    connect(calAppuntamenti, &QCalendarWidget::activated, btnImportaData, &QPushButton::click);
    pressButtonsOnEnter(this, btnImportaData);
}
