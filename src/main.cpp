#include "Language.h"
#include "Look.h"
#include "Memory.h"
#include "Screens.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    Memory::keepFreedMemory();
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Lettoria"));
    installItalianTranslations(application);
    installLook();

    Screens screens;
    screens.start();
    return QApplication::exec();
}
