#pragma once

#include <QList>
#include <QString>

class QWidget;

// Every message box of the program. Warning, error and information boxes carry OK and Cancel
// (the answer is ignored); a question carries Yes and No (only No cancels); a plain box has OK.
// In tests the boxes are not shown: each is recorded and takes the next scripted answer, or its
// default (OK / Yes) when none is left.
class MessageBox {
public:
    enum class Kind { Warning, Error, Information, Question, Plain };
    enum class Answer { Ok, Cancel, Yes, No };

    struct Shown {
        Kind kind;
        QString text;
    };

    static void warning(QWidget* parent, const QString& text);
    static void error(QWidget* parent, const QString& text);
    static void information(QWidget* parent, const QString& text);
    // True unless the user answered No.
    static bool question(QWidget* parent, const QString& text);
    static void plain(QWidget* parent, const QString& text);

    // Test seam.
    static void startRecording();
    static void stopRecording();
    static void scriptAnswer(Answer answer);
    static const QList<Shown>& shown();
    static void clearShown();

private:
    static Answer show(QWidget* parent, Kind kind, const QString& text);
};
