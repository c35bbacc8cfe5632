#pragma once

#include <QString>
#include <QStringList>
#include <functional>

class QDialog;

// Shows companion windows modally. Tests install a driver for a window, found by its objectName,
// that fills its fields and presses its buttons; a window without a driver is recorded as opened
// and closes at once, rejected, so no test ever waits for a user.
class Modal {
public:
    using Driver = std::function<void(QDialog& dialog)>;

    static int exec(QDialog& dialog);

    // Test seam.
    static void startTesting();
    static void stopTesting();
    static void setDriver(const QString& objectName, Driver driver);
    static const QStringList& opened();
};
