#pragma once

#include "LineStore.h"

#include <QString>

// The find within a result list, pure logic. Returns the line to select: the first line, in order
// and wrapping round, that holds the key (A-Z without regard to case). A new key starts from the
// first line; the key of the last find starts after the selected line, so repeated finds step
// through the matches. When nothing matches, the selection comes back unchanged. The key is
// remembered in `memory`.
int findInList(const LineStore& lines, int selected, const QString& key, QString& memory);
