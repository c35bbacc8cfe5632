#include "Look.h"

#include "ProgramStyle.h"

#include <QApplication>
#include <QIcon>

QIcon programIcon()
{
    QIcon icon;
    for (const int size : {16, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/icons/lettoria-%1.png").arg(size), QSize(size, size));
    return icon;
}

void installLook()
{
    QApplication::setWindowIcon(programIcon());
    QApplication::setStyle(new ProgramStyle);
}
