#pragma once

#include "Artwork.h"

#include <QString>

class QToolButton;
class QWidget;

// A picture button of a screen's button bar: the symbol over its word, a hand cursor, no focus.
QToolButton* makeBarButton(QWidget* parent, const QString& name, const QString& text, Artwork::Symbol symbol);
