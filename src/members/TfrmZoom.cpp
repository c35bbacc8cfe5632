#include "TfrmZoom.h"

#include "Artwork.h"

#include <QEvent>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QScreen>

TfrmZoom::TfrmZoom(const QImage& photo, QWidget* parent)
    : QDialog(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
    , m_photo(photo)
{
    setObjectName(QStringLiteral("frmZoom"));
    setWindowTitle(QStringLiteral(" Fai clic sulla foto per chiudere questa finestra"));
    setWindowState(Qt::WindowMaximized);

    panFoto = new QLabel(this);
    panFoto->setObjectName(QStringLiteral("panFoto"));
    panFoto->setStyleSheet(QStringLiteral("QLabel#panFoto { background: white; border: 1px solid #9aa4ae; "
                                          "border-radius: 10px; }"));
    imgFoto = new QLabel(panFoto);
    imgFoto->setObjectName(QStringLiteral("imgFoto"));
    imgFoto->setAlignment(Qt::AlignCenter);
    for (QLabel* part : {panFoto, imgFoto}) {
        part->setCursor(Qt::PointingHandCursor);
        part->installEventFilter(this);
    }
    auto* layout = new QGridLayout(this);
    layout->addWidget(panFoto, 0, 0, Qt::AlignCenter);
    auto* inner = new QGridLayout(panFoto);
    inner->addWidget(imgFoto, 0, 0, Qt::AlignCenter);
}

void TfrmZoom::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    // The panel and the picture take the screen less 60 pixels across and 90 down.
    const QScreen* screen = this->screen();
    const QSize room = screen ? screen->size() - QSize(60, 90) : QSize(800, 600);
    panFoto->setFixedSize(room);
    imgFoto->setFixedSize(room);
    imgFoto->setPixmap(QPixmap::fromImage(m_photo.scaled(room - QSize(4, 4), Qt::KeepAspectRatio,
        Qt::SmoothTransformation)));
}

void TfrmZoom::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    Artwork::paintBackground(painter, *this);
}

bool TfrmZoom::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonRelease && (watched == panFoto || watched == imgFoto)) {
        accept();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void TfrmZoom::keyPressEvent(QKeyEvent* event)
{
    const int key = event->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space) {
        accept();
        return;
    }
    QDialog::keyPressEvent(event);
}
