#pragma once

#include <Qt>

// A fixed-size dialog: a title bar without the system buttons, and no resizing.
constexpr Qt::WindowFlags kFixedDialog
    = Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::MSWindowsFixedSizeDialogHint;
