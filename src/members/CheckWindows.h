#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

// What one identifier check window tells the user for the text of its edit.
struct CheckVerdict {
    enum class Kind { Warning, Information };
    Kind kind;
    QString text;
    bool closes; // false for the complaints that leave the window open
};

// What tells one identifier check window from another.
struct CheckTable {
    QString objectName;
    QString caption;
    QString instruction;
    const char* editName;
    int maxLength;
    const char* form; // the code's widest form, which the edit shows whole
    bool digitsOnly;
    bool upperCase; // trimmed and upper-cased at every change made by typing
    bool upperOnRelease; // and at every key release
    CheckVerdict (*check)(const QString& text);
};

// The build the four checks share: a banner, the instruction, one large edit, "Controlla" beside
// it and "Chiudi" below. The window only reports; it changes nothing.
class CheckWindow : public QDialog {
    Q_OBJECT
public:
    CheckWindow(const CheckTable& table, const QString& text, QWidget* parent);

    QLabel* imgBanner;
    QLabel* lblIstruzioni;
    QLineEdit* edit;
    QPushButton* btnControlla;
    QPushButton* btnChiudi;

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void btnControllaClick();

    const CheckTable& m_table;
};

class TfrmCodFisc : public CheckWindow {
    Q_OBJECT
public:
    TfrmCodFisc(const QString& code, QWidget* parent);
};

class TfrmPartitaIva : public CheckWindow {
    Q_OBJECT
public:
    TfrmPartitaIva(const QString& number, QWidget* parent);
};

class TfrmCarta : public CheckWindow {
    Q_OBJECT
public:
    TfrmCarta(const QString& number, QWidget* parent);
};

class TfrmIban : public CheckWindow {
    Q_OBJECT
public:
    TfrmIban(const QString& iban, QWidget* parent);
};
