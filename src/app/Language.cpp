#include "Language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace {

// Texts of Qt's print dialogs that its Italian catalogue leaves in English, in whole or in part,
// whichever of the print classes asks for them.
struct Missing {
    const char* english;
    const char* italian;
};

const Missing kPrintTexts[] = {
    // Qt's catalogue keeps the English word here.
    {"Output &file:", "&File di destinazione:"},
    {"Pages", "Pagine"},
    {"Specify pages or ranges separated by commas. Ranges are specified by two numbers separated by a "
     "hyphen. E.g: 3,5-7,9 prints pages 3, 5, 6, 7 and 9.",
        "Indicare pagine o intervalli separati da virgole; un intervallo \u00E8 dato da due numeri separati "
        "da un trattino. Per esempio 3,5-7,9 stampa le pagine 3, 5, 6, 7 e 9."},
    {"Double Sided Printing", "Stampa fronte e retro"},
    {"Off", "Disattivata"},
    {"Long side binding", "Rilegatura sul lato lungo"},
    {"Short side binding", "Rilegatura sul lato corto"},
    {"Advanced", "Avanzate"},
    {"There are conflicts in some options. Please fix them.",
        "Alcune opzioni sono in conflitto: correggerle."},
    {"Page Setup Conflicts", "Conflitto nell'impostazione della pagina"},
    {"There are conflicts in page setup options. Do you want to fix them?",
        "Alcune opzioni di impostazione della pagina sono in conflitto. Correggerle?"},
    {"Advanced Option Conflicts", "Conflitto nelle opzioni avanzate"},
    {"There are conflicts in some advanced options. Do you want to fix them?",
        "Alcune opzioni avanzate sono in conflitto. Correggerle?"},
    {"Duplex Settings Conflicts", "Conflitto nelle impostazioni fronte e retro"},
    {"There are conflicts in duplex settings. Do you want to fix them?",
        "Le impostazioni fronte e retro sono in conflitto. Correggerle?"},
    {"Invalid Pages Definition", "Pagine indicate non valide"},
    {"%1 does not follow the correct syntax. Please use ',' to separate ranges and pages, '-' to define "
     "ranges and make sure ranges do not intersect with each other.",
        "%1 non \u00E8 scritto correttamente: separare pagine e intervalli con ',', indicare un intervallo "
        "con '-' e fare in modo che gli intervalli non si sovrappongano."},
};

// What Qt's catalogue lacks. Qt 6 moved the file types of the file dialog ("Folder", "Drive") from
// QFileDialog to QAbstractFileIconProvider, and the catalogue still has them under their old
// name; the print dialogs have a few texts the catalogue never had.
class MissingTexts : public QTranslator {
public:
    MissingTexts(const QTranslator& qt, QObject* parent)
        : QTranslator(parent)
        , m_qt(qt)
    {
    }

    bool isEmpty() const override { return false; }

    QString translate(
        const char* context, const char* source, const char* disambiguation, int n) const override
    {
        const QLatin1String asking(context);
        if (asking == QLatin1String("QAbstractFileIconProvider"))
            return m_qt.translate("QFileDialog", source, disambiguation, n);
        if (!asking.startsWith(QLatin1String("QPrint")))
            return QString();
        for (const Missing& text : kPrintTexts) {
            if (qstrcmp(text.english, source) == 0)
                return QString::fromUtf8(text.italian);
        }
        return QString();
    }

private:
    const QTranslator& m_qt;
};

} // namespace

bool installItalianTranslations(QCoreApplication& application)
{
    auto* qt = new QTranslator(&application);
    if (!qt->load(QLocale(QLocale::Italian, QLocale::Italy), QStringLiteral("qtbase"), QStringLiteral("_"),
            QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete qt;
        return false;
    }
    // The translator installed last is asked first.
    return QCoreApplication::installTranslator(qt)
        && QCoreApplication::installTranslator(new MissingTexts(*qt, &application));
}
