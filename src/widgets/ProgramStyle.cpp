#include "ProgramStyle.h"

#include "Artwork.h"

#include <QIcon>

namespace {

QIcon alertIcon(Artwork::Alert alert)
{
    QIcon icon;
    for (const int size : {32, 48, 64, 128})
        icon.addPixmap(Artwork::alert(alert, size));
    return icon;
}

} // namespace

ProgramStyle::ProgramStyle(QStyle* base)
    : QProxyStyle(base)
{
}

int ProgramStyle::styleHint(
    StyleHint hint, const QStyleOption* option, const QWidget* widget, QStyleHintReturn* data) const
{
    if (hint == SH_DialogButtonBox_ButtonsHaveIcons)
        return 0;
    return QProxyStyle::styleHint(hint, option, widget, data);
}

QIcon ProgramStyle::standardIcon(
    StandardPixmap standardIcon, const QStyleOption* option, const QWidget* widget) const
{
    switch (standardIcon) {
    case SP_MessageBoxInformation:
        return alertIcon(Artwork::Alert::Information);
    case SP_MessageBoxQuestion:
        return alertIcon(Artwork::Alert::Question);
    case SP_MessageBoxWarning:
        return alertIcon(Artwork::Alert::Warning);
    case SP_MessageBoxCritical:
        return alertIcon(Artwork::Alert::Error);
    default:
        return QProxyStyle::standardIcon(standardIcon, option, widget);
    }
}
