#include "ui/app/UiLanguage.h"

#include <QCoreApplication>
#include <QLocale>
#include <QTranslator>

#include <memory>

namespace zeku {

namespace {

UiLanguage g_language = UiLanguage::Japanese;

// The installed English translation; it must outlive its installation.
std::unique_ptr<QTranslator>& englishTranslator()
{
    static std::unique_ptr<QTranslator> translator;
    return translator;
}

} // namespace

std::optional<UiLanguage> languageFromCode(QStringView code)
{
    if (code == u"ja")
        return UiLanguage::Japanese;
    if (code == u"en")
        return UiLanguage::English;
    return std::nullopt;
}

UiLanguage languageForLocale(const QLocale& locale)
{
    return locale.language() == QLocale::English ? UiLanguage::English : UiLanguage::Japanese;
}

LanguageOption parseLanguageOption(const QStringList& arguments)
{
    static const QString name = QStringLiteral("--lang");
    LanguageOption option;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        QString value;
        if (arguments[i] == name)
            value = i + 1 < arguments.size() ? arguments[++i] : QString();
        else if (arguments[i].startsWith(name + u'='))
            value = arguments[i].mid(name.size() + 1);
        else
            continue;
        option.language = languageFromCode(value);
        if (!option.language) {
            option.badValue = value;
            return option;
        }
    }
    return option;
}

UiLanguage startupLanguage(const LanguageOption& option, QStringView rememberedCode, const QLocale& system)
{
    if (option.language)
        return *option.language;
    if (const std::optional<UiLanguage> remembered = languageFromCode(rememberedCode))
        return *remembered;
    return languageForLocale(system);
}

bool applyLanguage(UiLanguage language)
{
    auto& translator = englishTranslator();
    if (translator) {
        QCoreApplication::removeTranslator(translator.get());
        translator.reset();
    }
    g_language = UiLanguage::Japanese;
    if (language == UiLanguage::Japanese)
        return true;
    auto english = std::make_unique<QTranslator>();
    // Built into the program from translations/zeku_en.ts.
    if (!english->load(QStringLiteral(":/i18n/zeku_en.qm")) || !QCoreApplication::installTranslator(english.get()))
        return false;
    translator = std::move(english);
    g_language = UiLanguage::English;
    return true;
}

UiLanguage currentLanguage()
{
    return g_language;
}

QString languageName(UiLanguage language)
{
    return language == UiLanguage::English ? QCoreApplication::translate("zeku::UiLanguage", "英語")
                                           : QCoreApplication::translate("zeku::UiLanguage", "日本語");
}

} // namespace zeku
