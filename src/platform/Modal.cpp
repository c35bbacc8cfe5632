#include "Modal.h"

#include "WindowPlace.h"

#include <QDialog>
#include <QHash>

namespace {

bool g_testing = false;
QHash<QString, Modal::Driver> g_drivers;
QStringList g_opened;

} // namespace

int Modal::exec(QDialog& dialog)
{
    // Laid out at its own size, then centred on its caller, frame and all; Qt's own placement
    // leaves it up to 40 pixels above the centre under a window manager.
    if (!dialog.testAttribute(Qt::WA_Resized))
        dialog.adjustSize();
    // A maximised window fills the screen wherever it is put (and moving it would restore it).
    if (!dialog.isMaximized())
        WindowPlace::centre(dialog, dialog.parentWidget());
    if (!g_testing)
        return dialog.exec();

    g_opened.append(dialog.objectName());
    dialog.setResult(QDialog::Rejected);
    const auto driver = g_drivers.value(dialog.objectName());
    if (!driver)
        return QDialog::Rejected;
    dialog.show();
    driver(dialog);
    const int result = dialog.result();
    dialog.hide();
    return result;
}

void Modal::startTesting()
{
    g_testing = true;
    g_drivers.clear();
    g_opened.clear();
}

void Modal::stopTesting()
{
    g_testing = false;
    g_drivers.clear();
    g_opened.clear();
}

void Modal::setDriver(const QString& objectName, Driver driver)
{
    g_drivers.insert(objectName, std::move(driver));
}

const QStringList& Modal::opened()
{
    return g_opened;
}
