#pragma once

#include <QTest>

// pdftotext, pdfimages and LibreOffice read the program's output back as a reader would see it.
// They are Linux programs: the Windows build of the tests, run under Wine, cannot start them, so
// there the checks that need them are skipped, saying why.
#ifdef Q_OS_WIN
#define SKIP_WITHOUT_LINUX_TOOL(tool) QSKIP(tool " is a Linux program, out of reach of the Windows build")
#else
#define SKIP_WITHOUT_LINUX_TOOL(tool)
#endif
