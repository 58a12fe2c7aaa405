// The dialogs in English on the bundled sample data: no caption, title,
// column header, tool tip or accessible name shows a Japanese character, no
// English caption is wider than its control, and switching back gives every
// Japanese text as it was before English was ever loaded. Each English dialog
// is kept as a PNG under build/artifacts for a person to look at. Data names
// (master data in list cells and combo boxes) stay as they are and are not
// looked at. The main window is walked with them.

#include "MainWindowFixture.h"
#include "ui/app/UiLanguage.h"
#include "tools/WindowTexts.h"
#include "ui/dialogs/CExclusiveItemEditDlg.h"
#include "ui/dialogs/CExclusiveSkillEditDlg.h"
#include "ui/dialogs/CFavoriteDataInputDlg.h"
#include "ui/dialogs/CJewelRemoveDlg.h"
#include "ui/dialogs/CManualEditDlg.h"
#include "ui/dialogs/CQuickExclusiveRegistDlg.h"
#include "ui/dialogs/CQuickSPartsRegistDlg.h"
#include "ui/dialogs/CSPartsEditDlg.h"
#include "ui/dialogs/CSkillFilterDlg.h"
#include "ui/dialogs/CUserFileArrangeDlg.h"
#include "ui/dialogs/StandingLists.h"
#include "ui/main/CAboutDlg.h"
#include "ui/main/CAddableSkillDlg.h"
#include "ui/main/CFindConditionDispDlg.h"
#include "ui/main/CFindProcessDlg.h"
#include "ui/main/CNoResultReasonDlg.h"
#include "ui/main/CSearchDlg.h"
#include "ui/platform/TextConvert.h"
#include "userfiles/SessionFile.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QTableView>
#include <QTest>

#include <functional>

using namespace zeku;
using namespace zeku::test;

namespace {

// Every text of `dialog` that is not data: window title, captions, tool tips,
// accessible names, group titles and list headers, each named by where it is.
QStringList windowTexts(const QDialog& dialog)
{
    QStringList texts{QStringLiteral("title: ") + dialog.windowTitle()};
    for (QWidget* w : dialog.findChildren<QWidget*>()) {
        const QString where = w->objectName() + QStringLiteral(": ");
        if (auto* button = qobject_cast<QAbstractButton*>(w))
            texts << where + button->text();
        if (auto* label = qobject_cast<QLabel*>(w))
            texts << where + label->text();
        if (auto* group = qobject_cast<QGroupBox*>(w))
            texts << where + group->title();
        // The shown choice of a combo box; the fixture's data puts no name there.
        if (auto* combo = qobject_cast<QComboBox*>(w))
            texts << where + QStringLiteral("choice ") + combo->currentText();
        if (!w->toolTip().isEmpty())
            texts << where + QStringLiteral("tip ") + w->toolTip();
        if (!w->accessibleName().isEmpty())
            texts << where + QStringLiteral("name ") + w->accessibleName();
        if (auto* view = qobject_cast<QAbstractItemView*>(w); view && view->model())
            for (int c = 0; c < view->model()->columnCount(); ++c)
                texts << where + QStringLiteral("header ") +
                             view->model()->headerData(c, Qt::Horizontal, Qt::DisplayRole).toString();
    }
    return texts;
}

// Captions wider than the control that shows them: they would be cut off. A
// push button is measured by its text alone (its size hint has a minimum
// width that says nothing about the text); check boxes, radio buttons and
// one-line labels by their size hint.
QStringList cutOffCaptions(const QDialog& dialog)
{
    QStringList cut;
    for (QWidget* w : dialog.findChildren<QWidget*>()) {
        if (!w->isVisible())
            continue;
        int needed = 0;
        if (auto* push = qobject_cast<QPushButton*>(w))
            needed = push->fontMetrics().horizontalAdvance(QString(push->text()).remove(QLatin1Char('&'))) + 4;
        else if (auto* label = qobject_cast<QLabel*>(w); label && !label->wordWrap())
            needed = label->sizeHint().width();
        else if (qobject_cast<QAbstractButton*>(w))
            needed = w->sizeHint().width();
        if (needed > w->width())
            cut << QStringLiteral("%1 needs %2 px, has %3").arg(w->objectName()).arg(needed).arg(w->width());
        // A column header, and the non-data cells of a narrow column (the
        // first row's), against the width of their section.
        if (auto* view = qobject_cast<QTableView*>(w); view && view->model()) {
            const QHeaderView* header = view->horizontalHeader();
            for (int c = 0; c < view->model()->columnCount(); ++c) {
                if (header->isSectionHidden(c))
                    continue;
                const QString text = view->model()->headerData(c, Qt::Horizontal).toString();
                const int width = header->fontMetrics().horizontalAdvance(text) + 8;
                if (width > header->sectionSize(c))
                    cut << QStringLiteral("%1 header \"%2\" needs %3 px, has %4")
                               .arg(w->objectName(), text)
                               .arg(width)
                               .arg(header->sectionSize(c));
                for (int r = 0; r < view->model()->rowCount(); ++r) {
                    const QModelIndex index = view->model()->index(r, c);
                    const QString cell = index.data().toString();
                    // A check box in the cell takes its indicator's width and a gap.
                    const int box = index.data(Qt::CheckStateRole).isValid()
                                        ? view->style()->pixelMetric(QStyle::PM_IndicatorWidth) + 6
                                        : 0;
                    // A check box alone needs no room for text.
                    const int cellWidth = cell.isEmpty() ? box : view->fontMetrics().horizontalAdvance(cell) + 6 + box;
                    if (!hasJapanese(cell) && cellWidth > header->sectionSize(c))
                        cut << QStringLiteral("%1 cell \"%2\" needs %3 px, has %4")
                                   .arg(w->objectName(), cell)
                                   .arg(cellWidth)
                                   .arg(header->sectionSize(c));
                }
            }
        }
    }
    return cut;
}

} // namespace

class TestEnglishDialogs : public QObject {
    Q_OBJECT

private:
    struct Opened {
        QString file;
        std::function<std::unique_ptr<QDialog>()> open;
    };

    std::unique_ptr<AppFixture> m_fixture;
    std::unique_ptr<StandingLists> m_lists;
    int32_t m_saveExclusions = 1, m_saveSkills = 1, m_saveSParts = 1;
    SearchCondition m_condition; // 攻撃+10 with jewels: sets fit, 防御 can be added
    SearchCondition m_nothingFits; // 攻撃+15 without jewels: one more point than the pieces give

    // Every dialog of ui/dialogs and ui/main and the main window, opened on
    // the fixture's data; the ones that search have finished.
    std::vector<Opened> dialogs()
    {
        CSimulatorApp* app = &m_fixture->app();
        StandingLists* lists = m_lists.get();
        const EquipItem* head = m_fixture->piece(0, "鉄頭");
        QuickRegistration what;
        what.piece = head;
        what.jewels = {&app->master().jewels().items().front()};
        what.skillTreeName = app->master().skills().trees().front().name;
        ManualEditInput fixed;
        fixed.fixedCondition = true;
        const SearchCondition* condition = &m_condition;
        const SearchCondition* nothingFits = &m_nothingFits;
        // A search of a million combinations, one done after a second: the
        // longest remaining-time line (277 hours); `cutOff` then ends it at the limit.
        const auto progress = [=](bool cutOff) {
            auto dialog = std::make_unique<CFindProcessDlg>(nullptr, *condition, app->skills());
            dialog->setTickSource([now = uint64_t{1}]() mutable { return now += 1000; });
            dialog->startSearch(1000000, 1000000);
            dialog->showProgress(1, 1);
            dialog->showHits(1234);
            dialog->updateRemainingTime();
            if (cutOff)
                dialog->showLimitReached();
            return dialog;
        };
        const auto finished = [](auto dialog) {
            if (!QTest::qWaitFor([&] { return !dialog->searchRunning(); }, 60000))
                qWarning("the search did not end");
            return dialog;
        };
        return {
            {"exclusive-items",
             [=] { return std::make_unique<CExclusiveItemEditDlg>(app->master(), app->exclusions(), 1); }},
            {"exclusive-skills",
             [=] { return std::make_unique<CExclusiveSkillEditDlg>(app->skills(), app->excludedSkills(), 1); }},
            {"s-parts", [=] { return std::make_unique<CSPartsEditDlg>(app->master(), app->sParts(), 1); }},
            {"skill-filter",
             [=] { return std::make_unique<CSkillFilterDlg>(app->skills(), CSkillFilterDlg::Choices{}); }},
            {"organiser", [=] { return std::make_unique<CUserFileArrangeDlg>(app->userFolder()); }},
            {"favourite-input", [] { return std::make_unique<CFavoriteDataInputDlg>(); }},
            {"jewel-remove", [=] { return std::make_unique<CJewelRemoveDlg>(what.jewels); }},
            {"quick-exclusion",
             [=] { return std::make_unique<CQuickExclusiveRegistDlg>(app->skills(), what, *lists); }},
            {"quick-s-part", [=] { return std::make_unique<CQuickSPartsRegistDlg>(*head, *lists); }},
            {"manual-edit",
             [=] {
                 return std::make_unique<CManualEditDlg>(app->master(), app->exclusions(), app->startupSettings(),
                                                         app->userFolder(), ManualEditInput{});
             }},
            {"main", [=] { return std::make_unique<CSearchDlg>(*app); }},
            {"manual-edit-fixed",
             [=] {
                 return std::make_unique<CManualEditDlg>(app->master(), app->exclusions(), app->startupSettings(),
                                                         app->userFolder(), fixed);
             }},
            {"condition-confirm", [=] { return std::make_unique<CFindConditionDispDlg>(*condition, app->skills()); }},
            {"about",
             [=] {
                 return std::make_unique<CAboutDlg>(DataFolders{app->datFolder(), app->userFolder().root()});
             }},
            {"addable-skills", [=] { return finished(std::make_unique<CAddableSkillDlg>(app->master(), *condition)); }},
            {"search-progress", [=] { return progress(false); }},
            {"search-progress-limit", [=] { return progress(true); }},
            {"no-result-reason",
             [=] { return finished(std::make_unique<CNoResultReasonDlg>(app->master(), *nothingFits)); }},
        };
    }

    // The texts of the dialog `d` opens; with `screenshot`, also kept as a
    // PNG, and its cut-off captions added to `cut`.
    static QStringList textsOf(const Opened& d, const QString& screenshot = {}, QStringList* cut = nullptr)
    {
        std::unique_ptr<QDialog> dialog = d.open();
        dialog->show();
        if (!QTest::qWaitForWindowExposed(dialog.get()))
            return {QStringLiteral("not shown")};
        if (!screenshot.isEmpty()) {
            QDir().mkpath(QStringLiteral(ZEKU_ARTIFACT_DIR));
            dialog->grab().save(QStringLiteral(ZEKU_ARTIFACT_DIR "/%1.png").arg(screenshot), "PNG");
            for (const QString& c : cutOffCaptions(*dialog))
                *cut << d.file + QStringLiteral(" ") + c;
        }
        return windowTexts(*dialog);
    }

    // `text` without the skill tree names, data that a caption may show
    // ("基本条件：攻撃+10").
    QString withoutTreeNames(QString text) const
    {
        for (const SkillTree& tree : m_fixture->app().skills().trees())
            text.remove(toQString(tree.name));
        return text;
    }

private Q_SLOTS:
    void initTestCase()
    {
        m_fixture = std::make_unique<AppFixture>();
        CSimulatorApp& app = m_fixture->app();
        m_lists =
            std::make_unique<StandingLists>(StandingLists{app.userFolder(), app.exclusions(), app.excludedSkills(),
                                                          app.sParts(), m_saveExclusions, m_saveSkills, m_saveSParts});
        m_condition.sex = 1;
        m_condition.job = 1;
        m_condition.wanted = {SkillPoint{1, 10}};
        m_nothingFits = m_condition;
        m_nothingFits.wanted = {SkillPoint{1, 15}};
        m_condition.useJewels = true;
    }
    void cleanupTestCase() { applyLanguage(UiLanguage::Japanese); }

    void englishShowsNoJapaneseAndJapaneseComesBackUnchanged()
    {
        std::vector<QStringList> japanese;
        for (const Opened& d : dialogs())
            japanese.push_back(textsOf(d));

        QVERIFY(applyLanguage(UiLanguage::English));
        QCOMPARE(currentLanguage(), UiLanguage::English);
        QCOMPARE(languageName(UiLanguage::English), QStringLiteral("English"));
        QStringList cut, japaneseLeft;
        for (const Opened& d : dialogs()) {
            for (const QString& text : textsOf(d, QStringLiteral("english-") + d.file, &cut))
                if (hasJapanese(withoutTreeNames(text)))
                    japaneseLeft << d.file + QStringLiteral(" ") + text;
        }
        QVERIFY2(japaneseLeft.isEmpty(), qPrintable(japaneseLeft.join(QLatin1Char('\n'))));
        QVERIFY2(cut.isEmpty(), qPrintable(cut.join(QLatin1Char('\n'))));

        QVERIFY(applyLanguage(UiLanguage::Japanese));
        QCOMPARE(languageName(UiLanguage::Japanese), QStringLiteral("日本語"));
        const std::vector<Opened> again = dialogs();
        for (std::size_t i = 0; i < again.size(); ++i)
            QCOMPARE(textsOf(again[i]), japanese[i]);
    }

    // The changes the window "見つからない理由" lists, every kind and the
    // holders at both ends: in Japanese exactly today's words, in English no
    // Japanese but the skill tree's name, and no two alike.
    void changeTextsSpeakTheLanguage()
    {
        const SkillCatalogue& skills = m_fixture->app().skills();
        const QString tree = toQString(*skills.treeName(1));
        QVERIFY(applyLanguage(UiLanguage::Japanese));
        using K = ChangeKind;
        const std::vector<ConditionChange> changes{
            {.kind = K::Drop, .treeId = 1, .wantedPoints = 15},
            {.kind = K::Lower, .treeId = 1, .points = 10, .wantedPoints = 15},
            {.kind = K::Lower, .treeId = 1, .points = -5, .wantedPoints = -10},
            {.kind = K::SwitchOff, .which = ConditionSwitch::ExcludedItems},
            {.kind = K::SwitchOff, .which = ConditionSwitch::ExcludedSkills},
            {.kind = K::SwitchOff, .which = ConditionSwitch::SParts},
            {.kind = K::MinDefence},
            {.kind = K::Rarity},
            {.kind = K::JewelsOn},
            {.kind = K::ExactJewelsOn},
            {.kind = K::UnfixPiece, .holder = EquipPosition::Weapon},
            {.kind = K::UnfixPiece, .holder = 0},
            {.kind = K::UnfixPiece, .holder = 4},
            {.kind = K::UnfixJewels, .holder = EquipPosition::Weapon},
            {.kind = K::UnfixJewels, .holder = 4},
        };
        const QStringList japanese{
            QStringLiteral("攻撃 を外す"),
            QStringLiteral("攻撃 を +15 から +10 に下げる"),
            QStringLiteral("攻撃 を -10 から -5 に緩める"),
            QStringLiteral("除外アイテムを使わない"),
            QStringLiteral("除外スキルを使わない"),
            QStringLiteral("Ｓ防具を必須にしない"),
            QStringLiteral("最低防御値を 0 にする"),
            QStringLiteral("レアを「全て」にする"),
            QStringLiteral("装飾品を使う"),
            QStringLiteral("装飾品を全組合せで判定する"),
            QStringLiteral("武器スロットの固定を外す"),
            QStringLiteral("頭の固定を外す"),
            QStringLiteral("脚の固定を外す"),
            QStringLiteral("武器スロットの固定装飾品を外す"),
            QStringLiteral("脚の固定装飾品を外す"),
        };
        const auto shown = [&] {
            QStringList texts;
            for (const ConditionChange& change : changes)
                texts << changeText(change, skills);
            return texts;
        };
        QCOMPARE(shown(), japanese);
        QVERIFY(applyLanguage(UiLanguage::English));
        const QStringList english = shown();
        QVERIFY(applyLanguage(UiLanguage::Japanese));
        for (const QString& text : english)
            QVERIFY2(!hasJapanese(QString(text).remove(tree)), qPrintable(text));
        QCOMPARE(QSet<QString>(english.begin(), english.end()).size(), english.size());
    }

    void languageCodesAndLocales()
    {
        QCOMPARE(languageFromCode(u"en"), std::optional(UiLanguage::English));
        QCOMPARE(languageFromCode(u"ja"), std::optional(UiLanguage::Japanese));
        QVERIFY(!languageFromCode(u"EN"));
        QVERIFY(!languageFromCode(u"english"));
        QVERIFY(!languageFromCode(u""));
        QCOMPARE(languageForLocale(QLocale(QLocale::English, QLocale::UnitedKingdom)), UiLanguage::English);
        QCOMPARE(languageForLocale(QLocale(QLocale::Japanese)), UiLanguage::Japanese);
        QCOMPARE(languageForLocale(QLocale(QLocale::German)), UiLanguage::Japanese);
        QCOMPARE(languageForLocale(QLocale::c()), UiLanguage::Japanese);
        // --lang (either form, the last one counts), then the session's
        // choice, then the locale.
        struct Start {
            QStringList arguments;
            const char* remembered;
            QLocale::Language system;
            UiLanguage expected;
        };
        const Start starts[] = {
            {{"zeku", "--lang", "ja"}, "en", QLocale::English, UiLanguage::Japanese},
            {{"zeku", "--lang=en"}, "ja", QLocale::Japanese, UiLanguage::English},
            {{"zeku", "--lang=ja"}, "", QLocale::English, UiLanguage::Japanese},
            {{"zeku", "--lang=ja", "--lang", "en"}, "ja", QLocale::Japanese, UiLanguage::English},
            {{"zeku"}, "ja", QLocale::English, UiLanguage::Japanese},
            {{"zeku"}, "de", QLocale::English, UiLanguage::English},
            {{"zeku", "en"}, "", QLocale::Japanese, UiLanguage::Japanese},
            {{"zeku", "--lang", "en"}, "", QLocale::Japanese, UiLanguage::English},
        };
        for (const Start& start : starts) {
            const LanguageOption option = parseLanguageOption(start.arguments);
            QVERIFY2(!option.badValue, qPrintable(start.arguments.join(u' ')));
            QVERIFY2(startupLanguage(option, QString::fromLatin1(start.remembered), QLocale(start.system)) ==
                         start.expected,
                     qPrintable(start.arguments.join(u' ')));
        }
        QCOMPARE(parseLanguageOption({"zeku", "--lang=fr"}).badValue, std::optional<QString>(QStringLiteral("fr")));
        QCOMPARE(parseLanguageOption({"zeku", "--lang"}).badValue, std::optional<QString>(QString()));
        // The session file keeps the codes of --lang.
        QCOMPARE(languageFromCode(QString::fromLatin1(kSessionLanguageEnglish)), std::optional(UiLanguage::English));
        QCOMPARE(languageFromCode(QString::fromLatin1(kSessionLanguageJapanese)), std::optional(UiLanguage::Japanese));
    }
};

QTEST_MAIN(TestEnglishDialogs)
#include "EnglishDialogsTest.moc"
