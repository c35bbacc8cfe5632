#include "Language.h"
#include "Screens.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Lettoria"));
    installItalianTranslations(application);

    Screens screens;
    screens.start();
    return QApplication::exec();
}
