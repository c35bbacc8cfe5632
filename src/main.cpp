#include "Screens.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Lettoria"));
    QApplication::setApplicationDisplayName(QStringLiteral("Lettoria 3.0"));

    Screens screens;
    screens.start();
    return QApplication::exec();
}
