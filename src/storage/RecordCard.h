#pragma once

#include "RecordFile.h"

#include <QByteArray>
#include <QString>

class QWidget;

// The access message every screen shows when an archive cannot be reached.
extern const QString kAccessError;

// What a card screen lends to the browse / new / save / duplicate protocol: its controls, seen as
// one record. The screen keeps its state in its controls; the protocol keeps none of its own.
class CardView {
public:
    virtual ~CardView() = default;

    virtual QWidget* cardWindow() = 0;
    // The text of lblPosizione: the record number on display, empty for a new card.
    virtual QString position() const = 0;
    virtual void setPosition(const QString& position) = 0;
    // Sets every control from a record of the archive.
    virtual void showRecord(const QByteArray& record) = 0;
    // The record the card's controls describe.
    virtual QByteArray cardRecord() const = 0;
    // The screen's save checks in order; the first that fails shows its warning, puts the focus
    // in its field and returns false.
    virtual bool checkCard() = 0;
    // Empties the card for a new record and puts the focus in the first field.
    virtual void clearCard() = 0;
    // Record n is on the card now, loaded by browsing or by a search (its photo follows it).
    virtual void recordLoaded(qint64 n) { Q_UNUSED(n) }
    // The card has just been stored as record n, before the user is told (its photo follows it).
    virtual void recordStored(qint64 n) { Q_UNUSED(n) }
    // Screens that duplicate: keeps the descriptive fields and empties the code, the loan, the
    // validation, the cancelled flag and the attachments, ready to be stored as a new record.
    virtual void clearForDuplicate() {}
    // Fields the card shows but another screen writes (the loan desk's): a save keeps them as the
    // file holds them at that moment, copied from stored into record.
    virtual void keepStoredFields(const QByteArray& stored, QByteArray& record) const
    {
        Q_UNUSED(stored)
        Q_UNUSED(record)
    }
    virtual void focusCode() {}
};

// The card buttons' protocol over one record file.
class RecordCard {
public:
    RecordCard(CardView& view, RecordFile file);

    void first();
    void previous();
    void next();
    void last();
    void newCard();
    void save();
    void duplicate();

private:
    // Loads record n into the card, or shows the access message.
    void show(qint64 n);
    void accessError();

    CardView& m_view;
    RecordFile m_file;
};
