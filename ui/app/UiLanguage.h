#pragma once
// The language the windows speak. Japanese is the language the texts are
// written in; English comes from the translation built into the program
// (translations/zeku_en.ts). Files and command-line output stay Japanese
// whatever the windows speak.

#include <QString>
#include <QStringList>
#include <QStringView>

#include <optional>

class QLocale;

namespace zeku {

enum class UiLanguage { Japanese, English };

// "ja" or "en" (the value of --lang); nothing for any other text.
std::optional<UiLanguage> languageFromCode(QStringView code);

// English when the locale's language is English, Japanese otherwise.
UiLanguage languageForLocale(const QLocale& locale);

// What "--lang ja|en" (or "--lang=ja|en") among the program's arguments
// asks for; the last one given counts.
struct LanguageOption {
    std::optional<UiLanguage> language; // nothing when not given
    // The value of a --lang that is no known code ("" when it has none):
    // the program then ends at once.
    std::optional<QString> badValue;
};

// `arguments` as main() gets them, the program's name first.
LanguageOption parseLanguageOption(const QStringList& arguments);

// The language the program starts in: --lang first, then `rememberedCode`
// (the choice kept with the session, "ja" or "en"; any other text counts as
// none), then the system's locale.
UiLanguage startupLanguage(const LanguageOption& option, QStringView rememberedCode, const QLocale& system);

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
