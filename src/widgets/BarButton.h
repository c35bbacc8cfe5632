#pragma once

#include "Artwork.h"
#include "FocusFrame.h"

#include <QString>
#include <QToolButton>
#include <array>

class QWidget;

// A picture button: the mouse leaves the focus where it was, the Tab key brings it here and the
// focus frame shows it; the space bar or Enter press it.
class PictureButton : public FocusFramed<QToolButton> {
public:
    explicit PictureButton(QWidget* parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

// A picture button of a screen's button bar: the symbol over its word (whose "&" marks the letter
// that Alt presses), a hand cursor, and the standard key of its command.
QToolButton* makeBarButton(QWidget* parent, const QString& name, const QString& text, Artwork::Symbol symbol);

// The four browsing buttons of every screen that shows one record at a time, with the same words
// and underlined letters everywhere; the position label stands between the second and the third.
struct BrowsingButton {
    const char* name;
    const char* text;
    Artwork::Symbol symbol;
};
extern const std::array<BrowsingButton, 4> kBrowsingButtons;
