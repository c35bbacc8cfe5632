#pragma once

#include <QString>

// The maker's addresses, shown in the information and credits windows and on the main menu.
namespace Maker {

inline const QString kWebText = QStringLiteral("www.lettoria.example.org");
inline const QString kWebAddress = QStringLiteral("https://www.lettoria.example.org");
inline const QString kMail = QStringLiteral("info@lettoria.example.org");

} // namespace Maker
