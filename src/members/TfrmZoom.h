#pragma once

#include <QDialog>
#include <QImage>

class QLabel;

// The member photo over the whole screen; a click on the picture or its panel closes it.
class TfrmZoom : public QDialog {
    Q_OBJECT
public:
    TfrmZoom(const QImage& photo, QWidget* parent);

    QLabel* panFoto;
    QLabel* imgFoto;

protected:
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    // Enter and the space bar close the window as a click on the photo does; Escape closes it too.
    void keyPressEvent(QKeyEvent* event) override;

private:
    QImage m_photo;
};
