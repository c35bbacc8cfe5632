#include "Keys.h"

#include "ClickableLabel.h"

#include <QAbstractButton>
#include <QHash>
#include <QRegularExpression>
#include <QShortcut>

namespace {

const QHash<QString, QKeySequence>& standardKeys()
{
    static const QHash<QString, QKeySequence> keys = {
        {QStringLiteral("cmdNuovo"), QKeySequence(Qt::CTRL | Qt::Key_N)},
        {QStringLiteral("cmdSalva"), QKeySequence(Qt::CTRL | Qt::Key_S)},
        {QStringLiteral("cmdTrova"), QKeySequence(Qt::CTRL | Qt::Key_F)},
        {QStringLiteral("cmdStampa"), QKeySequence(Qt::CTRL | Qt::Key_P)},
        {QStringLiteral("cmdImporta"), QKeySequence(Qt::CTRL | Qt::Key_I)},
        {QStringLiteral("cmdPrimo"), QKeySequence(Qt::CTRL | Qt::Key_Home)},
        {QStringLiteral("cmdIndietro"), QKeySequence(Qt::Key_PageUp)},
        {QStringLiteral("cmdAvanti"), QKeySequence(Qt::Key_PageDown)},
        {QStringLiteral("cmdUltimo"), QKeySequence(Qt::CTRL | Qt::Key_End)},
        {QStringLiteral("cmdGuida"), QKeySequence(Qt::Key_F1)},
        {QStringLiteral("imgGuida"), QKeySequence(Qt::Key_F1)},
        {QStringLiteral("icoGuida"), QKeySequence(Qt::Key_F1)},
        {QStringLiteral("cmdEsci"), QKeySequence(Qt::Key_Escape)},
        {QStringLiteral("imgEsci"), QKeySequence(Qt::Key_Escape)},
        {QStringLiteral("icoEsci"), QKeySequence(Qt::Key_Escape)},
        {QStringLiteral("btnEsci"), QKeySequence(Qt::Key_Escape)},
    };
    return keys;
}

// The Italian names of the keys whose names Qt writes in English.
const QHash<QString, QString>& keyNames()
{
    static const QHash<QString, QString> names = {
        {QStringLiteral("Home"), QStringLiteral("Inizio")},
        {QStringLiteral("End"), QStringLiteral("Fine")},
        {QStringLiteral("PgUp"), QStringLiteral("Pag Su")},
        {QStringLiteral("PgDown"), QStringLiteral("Pag Gi\u00F9")},
        {QStringLiteral("Del"), QStringLiteral("Canc")},
        {QStringLiteral("Return"), QStringLiteral("Invio")},
        {QStringLiteral("Enter"), QStringLiteral("Invio")},
        {QStringLiteral("Space"), QStringLiteral("Spazio")},
        {QStringLiteral("Shift"), QStringLiteral("Maiusc")},
    };
    return names;
}

} // namespace

QKeySequence Keys::standard(const QString& controlName)
{
    return standardKeys().value(controlName);
}

void Keys::bind(QWidget* control, const QKeySequence& key)
{
    auto* shortcut = new QShortcut(key, control);
    QObject::connect(shortcut, &QShortcut::activated, control, [control] {
        if (auto* button = qobject_cast<QAbstractButton*>(control))
            button->click();
        else if (auto* picture = qobject_cast<ClickableLabel*>(control))
            picture->click();
    });
}

void Keys::bindStandard(QWidget* control)
{
    const QKeySequence key = standard(control->objectName());
    if (!key.isEmpty())
        bind(control, key);
}

QKeySequence Keys::of(const QWidget* control)
{
    if (const auto* shortcut = control->findChild<QShortcut*>(QString(), Qt::FindDirectChildrenOnly))
        return shortcut->key();
    if (const auto* button = qobject_cast<const QAbstractButton*>(control))
        return QKeySequence::mnemonic(button->text());
    return QKeySequence();
}

QString Keys::name(const QKeySequence& key)
{
    QStringList parts = key.toString(QKeySequence::PortableText).split(QLatin1Char('+'));
    for (QString& part : parts)
        part = keyNames().value(part, part);
    return parts.join(QLatin1Char('+'));
}

QString Keys::describe(const QString& text, const QString& key)
{
    return key.isEmpty() ? text : text + QStringLiteral(" (") + key + QLatin1Char(')');
}

QString Keys::plain(const QString& caption)
{
    static const QRegularExpression marked(QStringLiteral("&(.)"));
    return QString(caption).replace(marked, QStringLiteral("\\1"));
}
