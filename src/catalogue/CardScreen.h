#pragma once

#include "CardTable.h"
#include "RecordCard.h"

#include <QHash>
#include <QWidget>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;
class StatusLine;

// The catalogue card screen: one record of the archive at a time, typed, validated, saved,
// browsed, duplicated and found. Books and DVDs are this screen with their own table.
class CardScreen : public QWidget, public CardView {
    Q_OBJECT
public:
    CardScreen(const CardTable& table, QWidget* parent = nullptr);

    // The data control of a record field ("txt" + field): a line edit or an editable combo box.
    QWidget* control(const QString& field) const { return m_controls.value(field); }
    QString text(const QString& field) const;
    void setText(const QString& field, const QString& text);

    QLabel* lblPosizione;
    QLabel* txtConvalida;
    QLabel* lblFile01;
    QLabel* lblFile02;
    QLabel* lblFile03;
    QLabel* lblDesc01;
    QLabel* lblDesc02;
    QLabel* lblDesc03;
    QCheckBox* chkAnnullata;
    QLabel* panInfo;
    QToolButton* cmdNuovo;
    QToolButton* cmdDuplica;
    QToolButton* cmdSalva;
    QToolButton* cmdTrova;
    QToolButton* cmdFile;
    QToolButton* cmdStampa;
    QToolButton* cmdPrimo;
    QToolButton* cmdIndietro;
    QToolButton* cmdAvanti;
    QToolButton* cmdUltimo;
    QToolButton* cmdEsporta;
    QToolButton* cmdDisponibili;
    QToolButton* cmdGuida;
    QToolButton* cmdEsci;
    QPushButton* btnCodice;
    QPushButton* btnDewey = nullptr;
    QPushButton* btnGoogle;

    // The card protocol's view of this screen.
    QWidget* cardWindow() override { return this; }
    QString position() const override;
    void setPosition(const QString& position) override;
    void showRecord(const QByteArray& record) override;
    QByteArray cardRecord() const override;
    bool checkCard() override;
    void clearCard() override;
    void clearForDuplicate() override;
    void focusCode() override;

signals:
    // The screen was closed: the main menu comes back.
    void closed();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* buildFields();
    QWidget* buildButtonBar();
    QWidget* makeControl(const CardField& field);
    QHash<QString, QLabel*> hiddenLabels() const;
    void showValues(const QHash<QString, QString>& values);
    void focusField(const QString& field);
    bool codeKeyPress(QKeyEvent* event);

    void btnCodiceClick();
    void btnGoogleClick();
    void openSearch(const SearchTable& table);

    const CardTable& m_table;
    RecordCard m_card;
    StatusLine* m_status;
    QHash<QString, QWidget*> m_controls;
    QHash<QString, int> m_typedLimits;
    QStringList m_chain; // fields in Enter order
};

class TfrmLibri : public CardScreen {
    Q_OBJECT
public:
    explicit TfrmLibri(QWidget* parent = nullptr);
};

class TfrmDVD : public CardScreen {
    Q_OBJECT
public:
    explicit TfrmDVD(QWidget* parent = nullptr);
};
