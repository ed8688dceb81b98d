// The translations live in the binary's resources under :/i18n; Qt's own
// come from Qt's translations directory. A text missing from the player's
// language falls back to English text by text.
#include "ui/start/language.h"

#include "ui/platform/identity.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace {

// The game's English: only the plural forms, which the game's texts write
// for many. Then the player's language for the game, and for Qt.
QTranslator Plurals, GameTexts, QtOwn;

QString WithCount(QString text, int n)
{
    if (n >= 0)
        text.replace(QLatin1String("%n"), QString::number(n));
    return text;
}

// Qt lays a window out right to left when the loaded translations say so.
// The game's own say it, so that a language written right to left reads so
// even where Qt's translations are not installed.
//: LTR for a language written left to right, RTL for one written right to left (Arabic, Hebrew).
[[maybe_unused]] const char *const Direction = QT_TRANSLATE_NOOP("QGuiApplication", "QT_LAYOUT_DIRECTION");

} // namespace

void LoadLanguage(const QLocale &locale)
{
    (void)Plurals.load(QStringLiteral(":/i18n/quintet_en.qm"));
    // English, and the C locale, are the game's own texts and Qt's: the
    // other two are left empty, and nothing is looked for.
    const QString first = locale.uiLanguages().value(0);
    if (first == QLatin1String("C") || first.startsWith(QLatin1String("en"))) {
        (void)GameTexts.load(nullptr, 0);
        (void)QtOwn.load(nullptr, 0);
        return;
    }
    (void)GameTexts.load(locale, QLatin1String(CommandName), QStringLiteral("_"), QStringLiteral(":/i18n"));
    (void)QtOwn.load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                  QLibraryInfo::path(QLibraryInfo::TranslationsPath));
}

bool LoadLanguageFile(const QString &path)
{
    return GameTexts.load(path);
}

void InstallLanguage()
{
    // The last installed is asked first.
    for (QTranslator *t : {&QtOwn, &Plurals, &GameTexts}) {
        QCoreApplication::removeTranslator(t);
        QCoreApplication::installTranslator(t);
    }
}

QString Translated(const char *context, const char *text, const char *comment, int n)
{
    for (const QTranslator *t : {&GameTexts, &Plurals}) {
        const QString found = t->translate(context, text, comment, n);
        if (!found.isNull())
            return WithCount(found, n);
    }
    return WithCount(QString::fromUtf8(text), n);
}
