#include "FindPanel.h"

#include "Artwork.h"
#include "FieldHighlight.h"
#include "ListFinder.h"
#include "ResultList.h"
#include "WindowParts.h"

#include <QAction>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

FindPanel::FindPanel(const QString& item, bool enterMovesToButton, QWidget* parent)
    : QWidget(parent)
{
    lblRigo01 = instructionLine(QStringLiteral("Immettere una o pi\u00F9 parole consecutive presenti nella ") + item
            + QStringLiteral(" in elenco da cercare e premere il pulsante Trova."),
        this);
    lblRigo01->setObjectName(QStringLiteral("lblRigo01"));
    lblRigo02 = instructionLine(QStringLiteral("Per spostarsi sulla voce successiva contenente la stessa chiave di "
                                               "ricerca, fare di nuovo clic su Trova."),
        this);
    lblRigo02->setObjectName(QStringLiteral("lblRigo02"));
    txtTrova = new QLineEdit(this);
    txtTrova->setObjectName(QStringLiteral("txtTrova"));
    txtTrova->setFont(QFont(QStringLiteral("Verdana"), 12));
    txtTrova->setMinimumHeight(30);
    txtTrova->addAction(QIcon(Artwork::glyph(Artwork::Symbol::Zoom, 20, QColor(0x2d, 0x5f, 0x8a))),
        QLineEdit::LeadingPosition);
    FieldHighlight::attach(txtTrova, QStringLiteral("Trova"));
    btnTrova = pushButton(QStringLiteral("btnTrova"), QStringLiteral("&Trova"), this);
    lstRecords = new ResultList(this);
    lstRecords->setObjectName(QStringLiteral("lstRecords"));
    finder = new ListFinder(txtTrova, btnTrova, lstRecords, enterMovesToButton);

    auto* row = new QHBoxLayout;
    row->addWidget(txtTrova, 1);
    row->addWidget(btnTrova);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(lblRigo01);
    layout->addWidget(lblRigo02);
    layout->addLayout(row);
    layout->addWidget(lstRecords, 1);
}
