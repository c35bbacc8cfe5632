#pragma once

#include "CardLayout.h"
#include "RecordCard.h"

#include <QWidget>

class ClickableLabel;
class QLabel;
class QToolButton;
class StatusLine;

// The membership-card screen: an on-screen card with the library's data and logo and one member
// taken from the archive, printed or previewed as it shows.
class TfrmTessera : public QWidget, public CardView {
    Q_OBJECT
public:
    explicit TfrmTessera(QWidget* parent = nullptr);

    ClickableLabel* titAssociazione;
    ClickableLabel* titSottotitolo01;
    ClickableLabel* titSottotitolo02;
    ClickableLabel* titAnnotazioni;
    QLabel* imgFoto;
    QLabel* txtTesserato;
    QLabel* txtCarica;
    QLabel* txtNumTessera;
    QLabel* txtDataRil;
    QLabel* txtDataScade;
    ClickableLabel* imgLogo;
    QLabel* imgBianco;
    QLabel* imgBlank;
    QLabel* imgPuntino;
    QLabel* lblPosizione;
    QToolButton* btnCancLogo;
    QToolButton* btnCancFoto;
    QToolButton* cmdNuovo;
    QToolButton* cmdTrova;
    QToolButton* cmdAnteprima;
    QToolButton* cmdStampa;
    QToolButton* cmdPrimo;
    QToolButton* cmdIndietro;
    QToolButton* cmdAvanti;
    QToolButton* cmdUltimo;
    ClickableLabel* imgGuida;
    ClickableLabel* imgEsci;
    QLabel* panInfo;

    // What the card shows now: what is printed.
    CardContent content() const;
    const QImage& photo() const { return m_photo; }
    const QImage& logo() const { return m_logo; }

    // The browsing protocol's view of this screen; it has no save.
    QWidget* cardWindow() override { return this; }
    QString position() const override;
    void setPosition(const QString& position) override;
    void showRecord(const QByteArray& record) override;
    void recordLoaded(qint64 n) override;
    QByteArray cardRecord() const override { return QByteArray(); }
    bool checkCard() override { return false; }
    void clearCard() override;

signals:
    // The screen was closed: the main menu comes back.
    void closed();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    QWidget* buildCard();
    void showMember(const QHash<QString, QString>& values);
    void showPhoto(const QImage& photo);
    void showLogo(const QImage& logo);
    void imgLogoClick();
    void editLibrary();
    void cmdTrovaClick();

    RecordCard m_card;
    StatusLine* m_status = nullptr;
    QImage m_photo;
    QImage m_logo;
};
