#pragma once

// Once the visitors' catalogue is open the program stays read-only until it ends: no dialog may
// then offer a way to write, rename or delete a file, and no management window may come back.
namespace VisitorMode {

void start();
bool isOn();

// Test seam: every test starts as the librarian.
void reset();

} // namespace VisitorMode
