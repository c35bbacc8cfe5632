#pragma once

#include <QWidget>

class ListFinder;
class QLabel;
class QLineEdit;
class QPushButton;
class ResultList;

// The find row every list window shares, above its list: the two instruction lines, the find
// field with its magnifier, "Trova", and the list itself, bound by a ListFinder.
class FindPanel : public QWidget {
    Q_OBJECT
public:
    // `item` names what a line of the list is in the first instruction ("scheda", "voce").
    FindPanel(const QString& item, bool enterMovesToButton, QWidget* parent);

    QLabel* lblRigo01;
    QLabel* lblRigo02;
    QLineEdit* txtTrova;
    QPushButton* btnTrova;
    ResultList* lstRecords;
    ListFinder* finder;
};
