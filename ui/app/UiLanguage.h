#pragma once
// The language the windows speak. Japanese is the language the texts are
// written in; English comes from the translation built into the program
// (translations/zeku_en.ts). Files and command-line output stay Japanese
// whatever the windows speak.

#include <QString>
#include <QStringView>

#include <optional>

class QLocale;

namespace zeku {

enum class UiLanguage { Japanese, English };

// "ja" or "en" (the value of --lang); nothing for any other text.
std::optional<UiLanguage> languageFromCode(QStringView code);

// English when the locale's language is English, Japanese otherwise.
UiLanguage languageForLocale(const QLocale& locale);

// The language the program starts in: `asked` (--lang) first, then
// `remembered` (the choice kept with the session), then the system's locale.
UiLanguage startupLanguage(std::optional<UiLanguage> asked, std::optional<UiLanguage> remembered,
                           const QLocale& system);

// Makes `language` the windows' language: installs the English translation on
// the running application or removes it. False when the translation could not
// be loaded (the windows then stay Japanese). UI thread only; windows made
// afterwards show the new language.
bool applyLanguage(UiLanguage language);

// The language last applied (Japanese before any).
UiLanguage currentLanguage();

// The language's name as the windows show it, in the current language.
QString languageName(UiLanguage language);

} // namespace zeku
