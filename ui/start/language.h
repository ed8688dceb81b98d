// The player's language: the game's translations, built into the binary, and
// Qt's own, for the languages the system asks for. English and any language
// without a translation keep the game's own texts.
#pragma once

#include <QString>

#include <QLocale>

// Loads the translations for the locale's languages, in the order it lists
// them: for the system's, LANGUAGE, LC_ALL, LC_MESSAGES, LANG. Needs no
// application object.
void LoadLanguage(const QLocale &locale = QLocale::system());
// Loads the game's texts from a translation file instead; false if it cannot.
bool LoadLanguageFile(const QString &path);
// Hands what was loaded to the application, once it exists; again after
// another load. Texts already shown keep their language.
void InstallLanguage();
// A text in the player's language from the game's translations alone, for
// where the application cannot translate: a start that fails inside Qt's
// application object. With n, %n is the count.
QString Translated(const char *context, const char *text, const char *comment = nullptr, int n = -1);
