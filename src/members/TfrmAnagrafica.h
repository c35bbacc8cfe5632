#pragma once

#include "CardScreen.h"
#include "Report.h"

#include <QImage>

// The member card screen: the members' registry with their photos and the identifier checks.
class TfrmAnagrafica : public CardScreen {
    Q_OBJECT
public:
    explicit TfrmAnagrafica(QWidget* parent = nullptr);

    QLabel* imgFoto;
    QLabel* imgBianco;
    QPushButton* btnSfoglia;
    QToolButton* btnZoom;
    QToolButton* btnCancFoto;
    QToolButton* cmdAllega;
    QToolButton* cmdAnteprima;
    QToolButton* cmdStampa;
    QToolButton* cmdScadute;
    QToolButton* cmdExcel;
    QToolButton* cmdImporta;
    QPushButton* cmdEmail;
    QPushButton* btnEmail;
    QPushButton* cmdCodFisc;
    QPushButton* cmdCarta;
    QPushButton* cmdPartitaIva;
    QPushButton* cmdIban;

    // The picture of the photo box, at its own size.
    const QImage& photo() const { return m_photo; }

    void recordLoaded(qint64 n) override;
    void recordStored(qint64 n) override;

protected:
    QWidget* arrangeSections(const QList<QFrame*>& sections) override;
    void setNewCardTexts() override;

private:
    QWidget* buildPhotoFrame();
    void showPhoto(const QImage& photo);
    void btnSfogliaClick();
    void btnZoomClick();
    void cmdEmailClick();
    void btnEmailClick();
    // The member sheet of what the card shows.
    Report sheet() const;
    void cmdCodFiscClick();

    QImage m_photo;
};
