#pragma once

#include "Artwork.h"

#include <QHash>
#include <QString>
#include <QStringList>
#include <array>
#include <vector>

class RecordType;
struct SearchTable;

// One data field of a card screen: its control is "txt" + the record field. Its length is the
// field's capacity in the record layout.
struct CardField {
    enum class Kind { Edit, Combo, ReadOnly };
    // Where the field stands: a row of its own, the left or right cell of a row, or beside the
    // field before it in the same cell.
    enum class Place { Row, Left, Right, Beside };
    enum class Typing {
        Free,
        Digits, // only 0-9, Backspace, Delete and the arrows
        Upper, // trimmed and upper-cased at every change made by typing
        UpperOnRelease, // trimmed and upper-cased at every key release
        Trimmed, // trimmed at every change made by typing
    };

    const char* field;
    const char* label;
    Kind kind;
    Place place;
    int section;
    bool narrow = false;
    Typing typing = Typing::Free;
    // The small button at the field's right, if any, and its picture.
    const char* button = nullptr;
    Artwork::Symbol buttonSymbol = Artwork::Symbol::Check;
    // Items of a combo box.
    QStringList (*items)() = nullptr;
    // A field that holds more than the user may type: what may be typed (0: the whole field).
    int typedLimit = 0;
    // A field that holds a code: the code's widest form (see codeWidth()), which it shows whole.
    const char* code = nullptr;
};

// A field that must not be empty, its message and the field that takes the focus.
struct CardCheck {
    const char* field;
    const char* focus;
    QString message;
};

// One button of a card screen's button bar; "lblPosizione" stands for the position label.
struct BarButton {
    const char* name;
    QString text;
    Artwork::Symbol symbol;
};

// The browsing group of a button bar: first, back, the position label, forward, last.
std::vector<BarButton> browsingGroup();

// Everything that tells one card screen from another, as far as the shared base goes.
struct CardForm {
    QString objectName;
    QString caption;
    QString helpTopic;
    const RecordType* type = nullptr;
    std::vector<CardField> fields; // in the order of the Enter chain
    std::vector<Artwork::Symbol> sectionPictures;
    // The minimum widths of the label, field, label and field columns of every section.
    std::array<int, 4> columns {128, 330, 118, 330};
    std::vector<std::vector<BarButton>> buttonBar; // groups, left to right; the last stands apart
    QString cancelledText; // the caption of chkAnnullata
    const SearchTable* findTable = nullptr;
    QString marker; // written into the search windows' lblMemory
    QHash<QString, QString> statusTexts; // control name -> status-line text
    // Whether showing the screen puts the focus in the first field, as the New button does.
    bool focusOnShow = true;
    // The status line's first text.
    QString readyText = QStringLiteral("Pronto per archiviare una nuova scheda...");
    // A screen to look at records with, never to change them: every field read-only, every list
    // closed, no hand cursor on the cancelled box.
    bool readOnly = false;
};
