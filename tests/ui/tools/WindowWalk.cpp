#include "tools/WindowWalk.h"

#include "platform/AppIdentity.h"
#include "ui/app/CSimulatorApp.h"
#include "tools/EventPump.h"
#include "tools/WindowTexts.h"
#include "ui/dialogs/CMessageDlg.h"
#include "ui/dialogs/CSetFitsDlg.h"
#include "ui/lists/ReportListView.h"
#include "ui/main/CAddableSkillDlg.h"
#include "ui/main/CNoResultReasonDlg.h"
#include "ui/main/CSearchDlg.h"
#include "ui/platform/MessageBoxService.h"
#include "ui/platform/WindowSupport.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QSet>
#include <QTimer>
#include <QWindow>

#include <functional>

namespace zeku {

namespace {

// How long a window may take to appear, and a search to end.
constexpr int kShowWait = 20000;
constexpr int kSearchWait = 120000;

// Main-window controls the walk uses.
constexpr int kTreeChooser = 1062, kSkillChooser = 1106, kAddSkill = 1067, kSearch = 1070;
constexpr int kItemsEditor = 1043, kOrganiser = 1044, kSkillsEditor = 1045, kSPartsEditor = 1046;
constexpr int kChooseYourself = 1037, kEditFixed = 1088, kEditResult = 1092, kAddable = 1240;
constexpr int kRestoreCondition = 1110, kSaveResults = 1093, kAddFavourite = 1058, kExplain = 1248;
constexpr int kResultList = 1061, kSetView = 1055, kWantedList = 1063, kUseJewels = 1096;
constexpr int kShowHistory = 1095;
constexpr int kUseExcludedItems = 1099, kUseExcludedSkills = 1107, kRequireSParts = 1111;

void settle(int ms = 150)
{
    processEventsUntil([] { return false; }, ms);
}

bool isShown(const QWidget& w)
{
    return w.isVisible() && w.windowHandle() && w.windowHandle()->isExposed();
}

// The set window fills its list when its worker's answer arrives.
bool setFitsAnswered(QWidget& w)
{
    auto* fits = qobject_cast<CSetFitsDlg*>(&w);
    return !fits || !fits->searchRunning();
}

QSet<QWidget*> shownWindows()
{
    QSet<QWidget*> shown;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible())
            shown.insert(w);
    return shown;
}

// A window shown since `before`; menus and tool tips do not count.
QWidget* newWindow(const QSet<QWidget*>& before)
{
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible() && !before.contains(w) && !qobject_cast<QMenu*>(w) && w->windowType() != Qt::ToolTip)
            return w;
    return nullptr;
}

// Closes a window the way that changes nothing: a question gets its escape
// answer, else "No", else its default; a dialog is cancelled. A window the
// walk has closed already (accepted) stays as it is.
void closeWindow(QWidget& w)
{
    if (!w.isVisible())
        return;
    if (auto* box = qobject_cast<QMessageBox*>(&w)) {
        QAbstractButton* button = box->escapeButton();
        if (!button)
            button = box->button(QMessageBox::No);
        if (!button)
            button = box->defaultButton();
        if (button)
            button->click();
        else
            box->reject();
    } else if (auto* dialog = qobject_cast<QDialog*>(&w)) {
        dialog->reject();
    } else {
        w.close();
    }
}

class WindowWalk {
public:
    WindowWalk(CSearchDlg& main, CSimulatorApp& app, const QString& folder)
        : m_main(main), m_app(app), m_folder(folder), m_names(app.master())
    {
    }

    void run();

private:
    // Writes the texts and a PNG of `window` as `name`; `settled` lets
    // pending events run first (a window that lives only until the next
    // event, such as the notice of a file operation, is taken as it is).
    void record(const QString& name, QWidget& window, bool settled = true);
    // Runs `open`, waits for the window it shows (and for `ready`), records
    // it as `name` (unless empty), runs `inside` on it and closes it.
    void visit(const QString& name, const std::function<void()>& open, const std::function<void(QWidget&)>& inside = {},
               const std::function<bool(QWidget&)>& ready = {});
    // Opens the row menu of `view` on `row`, records it as `name` and
    // chooses its entry `entry` (the last one when -1).
    void chooseRowMenuEntry(const QString& name, QWidget& view, int row, int entry);
    void click(const QWidget& root, int id);
    void clickNamed(const QWidget& root, const char* objectName);
    void finishSearch(const QString& progressName);
    // Stores the results, loads them back and opens the organiser on them,
    // recording the notices of the file operations and the change dialog.
    void walkStoredResults();
    void walkManualEditor(QWidget& editor, const QString& prefix, bool withSet);
    void wantSampleSkills();
    void wantNothingFound();
    QString masked(QString text) const;
    void missing(const QString& name, const QString& what);
    void write() const;

    CSearchDlg& m_main;
    CSimulatorApp& m_app;
    QString m_folder;
    DataNames m_names;
    QStringList m_lines;
    QStringList m_japanese;
    QSet<QString> m_recorded;
};

QString WindowWalk::masked(QString text) const
{
    // The working folder differs from run to run; times depend on the
    // machine; the version number changes with every release.
    text.replace(QString::fromLatin1(kVersionText), QStringLiteral("<version>"));
    for (const QString& work : {QDir::currentPath(), QDir::current().canonicalPath()})
        if (!work.isEmpty())
            text.replace(work, QStringLiteral("<work>"));
    static const QRegularExpression clock(QStringLiteral("\\d+:\\d\\d(:\\d\\d)?"));
    static const QRegularExpression span(
        QStringLiteral("\\d+(?=\\s*(\\x{6642}\\x{9593}|\\x{5206}|\\x{79D2}|h\\b|min|s\\b|sec|second|minute|hour))"));
    text.replace(clock, QStringLiteral("#:##"));
    text.replace(span, QStringLiteral("#"));
    return text;
}

void WindowWalk::missing(const QString& name, const QString& what)
{
    m_lines << name + QStringLiteral("\t-\tmissing\t") + what;
    m_japanese << name + QStringLiteral("\t-\tmissing\t") + what + QStringLiteral("\t-");
}

void WindowWalk::record(const QString& name, QWidget& window, bool settled)
{
    // A menu opened again for another of its entries is written once.
    if (name.isEmpty() || m_recorded.contains(name))
        return;
    m_recorded.insert(name);
    if (settled)
        settle();
    window.grab().save(m_folder + QLatin1Char('/') + name + QStringLiteral(".png"), "PNG");
    for (const QString& line : windowTextLines(window, m_names)) {
        const QString shown = masked(line);
        m_lines << name + QLatin1Char('\t') + shown;
        const QString words = m_names.withoutNames(shown.section(QLatin1Char('\t'), 2));
        if (hasJapanese(words))
            m_japanese << name + QLatin1Char('\t') + shown.section(QLatin1Char('\t'), 0, 1) + QLatin1Char('\t') +
                              words + QLatin1Char('\t') + japaneseCharacters(words);
    }
}

void WindowWalk::visit(const QString& name, const std::function<void()>& open,
                       const std::function<void(QWidget&)>& inside, const std::function<bool(QWidget&)>& ready)
{
    const QSet<QWidget*> before = shownWindows();
    bool found = false, done = false;
    QTimer poll;
    poll.setInterval(50);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        QWidget* w = found ? nullptr : newWindow(before);
        if (!w || !isShown(*w) || (ready && !ready(*w)))
            return;
        found = true;
        poll.stop();
        record(name, *w);
        if (inside)
            inside(*w);
        closeWindow(*w);
        done = true;
    });
    poll.start();
    open(); // returns when a modal window has closed
    processEventsUntil([&] { return done; }, ready ? kSearchWait : kShowWait);
    poll.stop();
    if (!done)
        missing(name, QStringLiteral("not shown"));
}

void WindowWalk::chooseRowMenuEntry(const QString& name, QWidget& view, int row, int entry)
{
    auto* list = qobject_cast<ReportListView*>(&view);
    if (!list || !list->model() || row >= list->model()->rowCount()) {
        missing(name, QStringLiteral("no row %1").arg(row));
        return;
    }
    bool shown = false;
    // Drops the chooser when no menu opens (the row has none).
    QObject guard;
    QTimer::singleShot(0, &guard, [&] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (!menu)
            return;
        shown = true;
        record(name, *menu);
        const QList<QAction*> actions = menu->actions();
        QAction* chosen = entry < 0 ? actions.constLast() : actions.value(entry);
        if (!chosen || !chosen->isEnabled()) {
            missing(name, QStringLiteral("entry %1 not enabled").arg(entry));
            menu->close();
            return;
        }
        menu->setActiveAction(chosen);
        QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
        QApplication::sendEvent(menu, &enter);
    });
    const QModelIndex index = list->model()->index(row, 0);
    list->scrollTo(index);
    const QPoint at = list->visualRect(index).center();
    QContextMenuEvent event(QContextMenuEvent::Mouse, at, list->viewport()->mapToGlobal(at));
    QApplication::sendEvent(list->viewport(), &event);
    if (!shown)
        missing(name, QStringLiteral("no menu"));
}

void WindowWalk::click(const QWidget& root, int id)
{
    if (auto* button = controlById<QAbstractButton>(&root, id))
        button->click();
    else
        missing(QStringLiteral("control"), QString::number(id));
}

void WindowWalk::clickNamed(const QWidget& root, const char* objectName)
{
    if (auto* button = root.findChild<QAbstractButton*>(QString::fromLatin1(objectName)))
        button->click();
    else
        missing(QStringLiteral("control"), QString::fromLatin1(objectName));
}

void WindowWalk::finishSearch(const QString& progressName)
{
    processEventsUntil([this] { return !m_main.searchRunning() && m_main.progressWindow(); }, kSearchWait);
    CFindProcessDlg* progress = m_main.progressWindow();
    if (!progress || !processEventsUntil([progress] { return isShown(*progress); }, kShowWait)) {
        missing(progressName, QStringLiteral("not shown"));
        return;
    }
    record(progressName, *progress);
    progress->reject();
    processEventsUntil([this] { return !m_main.progressWindow() && m_main.isEnabled(); }, kShowWait);
    settle();
}

// The sample condition of the documentation's screenshot: the first skill
// of each of the first two trees.
void WindowWalk::wantSampleSkills()
{
    auto* trees = controlById<QComboBox>(&m_main, kTreeChooser);
    auto* skills = controlById<QComboBox>(&m_main, kSkillChooser);
    for (int row : {2, 3}) {
        trees->setCurrentIndex(row);
        skills->setCurrentIndex(0);
        click(m_main, kAddSkill);
    }
}

// Two skills at 15 with pieces of rarity 2 at most: nothing fits the sample data.
void WindowWalk::wantNothingFound()
{
    m_main.setSex(1);
    m_main.setJob(1);
    m_main.setRarityCode(-2);
    if (auto* jewels = controlById<QCheckBox>(&m_main, kUseJewels))
        jewels->setChecked(true);
    m_main.replaceWantedSkills({{37, 15}, {76, 15}});
}

void WindowWalk::walkManualEditor(QWidget& editor, const QString& prefix, bool withSet)
{
    visit(prefix + QStringLiteral("-skill-filter"), [&] { clickNamed(editor, "skillFilterEdit"); });
    if (!withSet)
        return;
    visit(prefix + QStringLiteral("-favourite-input"), [&] { clickNamed(editor, "addFavorite"); });
    auto* set = editor.findChild<ReportListView*>(QStringLiteral("setView"));
    auto* removeJewels = editor.findChild<QAbstractButton*>(QStringLiteral("removeJewels"));
    if (!set || !removeJewels)
        return missing(prefix, QStringLiteral("set view"));
    // The first holder with jewels in it.
    for (int row = 0; row < set->model()->rowCount() && !removeJewels->isEnabled(); ++row) {
        set->selectSingleRow(row);
        settle(50);
    }
    visit(prefix + QStringLiteral("-jewel-remove"), [&] { removeJewels->click(); });
    // Row 1 is the head piece: menu 139 and the set's skills.
    visit(prefix + QStringLiteral("-quick-exclusion"),
          [&] { chooseRowMenuEntry(prefix + QStringLiteral("-set-menu"), *set, 1, 0); });
    visit(prefix + QStringLiteral("-quick-s-part"),
          [&] { chooseRowMenuEntry(prefix + QStringLiteral("-set-menu"), *set, 1, 1); });
    visit(
        prefix + QStringLiteral("-set-fits"),
        [&] { chooseRowMenuEntry(prefix + QStringLiteral("-set-menu"), *set, 1, -1); }, {}, setFitsAnswered);
}

void WindowWalk::walkStoredResults()
{
    const auto fileWorkDone = [this] {
        processEventsUntil([this] { return !m_main.fileOperationRunning(); }, kSearchWait);
        settle();
    };
    // The notice is up from the click until the worker's end is handled.
    visit(
        {},
        [this] {
            click(m_main, kSaveResults);
            if (CMessageDlg* notice = m_main.waitingWindow())
                record(QStringLiteral("notice-saving"), *notice, false);
        },
        [this](QWidget& input) { clickNamed(input, "okButton"); });
    fileWorkDone();
    click(m_main, kShowHistory);
    if (CMessageDlg* notice = m_main.waitingWindow())
        record(QStringLiteral("notice-loading"), *notice, false);
    else
        missing(QStringLiteral("notice-loading"), QStringLiteral("not shown"));
    fileWorkDone();
    record(QStringLiteral("main-stored"), m_main);
    visit(
        {}, [this] { click(m_main, kOrganiser); },
        [this](QWidget& organiser) {
            clickNamed(organiser, "historyRadio");
            auto* entries = organiser.findChild<ReportListView*>(QStringLiteral("entryList"));
            if (!entries)
                return missing(QStringLiteral("organiser-stored"), QStringLiteral("entry list"));
            entries->selectSingleRow(0);
            record(QStringLiteral("organiser-stored"), organiser);
            visit(QStringLiteral("organiser-change"), [&] { clickNamed(organiser, "changeButton"); });
            // Deleting asks first; the walk answers "no".
            visit(QStringLiteral("organiser-delete-question"), [&] { clickNamed(organiser, "deleteButton"); });
        });
}

void WindowWalk::run()
{
    settle(500);
    record(QStringLiteral("main"), m_main);
    for (QAction* action : m_main.actions())
        if (action->shortcut() == QKeySequence(Qt::Key_F1))
            visit(QStringLiteral("version"), [action] { action->trigger(); });

    visit(QStringLiteral("exclusive-items"), [this] { click(m_main, kItemsEditor); });
    visit(QStringLiteral("exclusive-skills"), [this] { click(m_main, kSkillsEditor); });
    visit(QStringLiteral("s-parts"), [this] { click(m_main, kSPartsEditor); });
    visit(QStringLiteral("organiser"), [this] { click(m_main, kOrganiser); });
    // The three switches tell why they stay off while their list is empty.
    visit(QStringLiteral("empty-excluded-items"), [this] { click(m_main, kUseExcludedItems); });
    visit(QStringLiteral("empty-excluded-skills"), [this] { click(m_main, kUseExcludedSkills); });
    visit(QStringLiteral("empty-s-parts"), [this] { click(m_main, kRequireSParts); });
    visit(
        QStringLiteral("manual-edit"), [this] { click(m_main, kChooseYourself); },
        [this](QWidget& editor) { walkManualEditor(editor, QStringLiteral("manual-edit"), false); });
    visit(QStringLiteral("manual-edit-fixed"), [this] { click(m_main, kEditFixed); });

    // A search that finds sets, and the windows of its results.
    wantSampleSkills();
    click(m_main, kSearch);
    finishSearch(QStringLiteral("progress"));
    if (auto* results = controlById<ReportListView>(&m_main, kResultList))
        results->selectSingleRow(0);
    settle(300);
    record(QStringLiteral("main-results"), m_main);
    visit(QStringLiteral("condition"), [this] { click(m_main, kRestoreCondition); });
    visit(
        QStringLiteral("addable"), [this] { click(m_main, kAddable); }, {},
        [](QWidget& w) {
            auto* addable = qobject_cast<CAddableSkillDlg*>(&w);
            return !addable || !addable->searchRunning();
        });
    if (auto* results = controlById<ReportListView>(&m_main, kResultList))
        visit(
            QStringLiteral("set-fits"),
            [this, results] { chooseRowMenuEntry(QStringLiteral("result-menu"), *results, 0, -1); }, {},
            setFitsAnswered);
    if (auto* set = controlById<ReportListView>(&m_main, kSetView)) {
        visit(QStringLiteral("quick-exclusion"),
              [this, set] { chooseRowMenuEntry(QStringLiteral("set-view-menu"), *set, 1, 0); });
        visit(QStringLiteral("quick-s-part"),
              [this, set] { chooseRowMenuEntry(QStringLiteral("set-view-menu"), *set, 1, 1); });
    }
    if (auto* wanted = controlById<ReportListView>(&m_main, kWantedList))
        visit(QStringLiteral("quick-exclusion-skill"),
              [this, wanted] { chooseRowMenuEntry(QStringLiteral("wanted-menu"), *wanted, 0, 0); });
    visit(QStringLiteral("save-results"), [this] { click(m_main, kSaveResults); });
    visit(QStringLiteral("add-favourite"), [this] { click(m_main, kAddFavourite); });
    visit(
        QStringLiteral("manual-edit-result"), [this] { click(m_main, kEditResult); },
        [this](QWidget& editor) { walkManualEditor(editor, QStringLiteral("manual-edit-result"), true); });
    // Closing with results not stored asks first; the walk answers "no".
    visit(QStringLiteral("discard-question"), [this] { m_main.done(QDialog::Accepted); });

    walkStoredResults();

    // A search that finds nothing, and why.
    wantNothingFound();
    click(m_main, kSearch);
    finishSearch(QStringLiteral("progress-nothing"));
    record(QStringLiteral("main-nothing"), m_main);
    visit(
        QStringLiteral("no-result-reason"), [this] { click(m_main, kExplain); }, {},
        [](QWidget& w) {
            auto* reason = qobject_cast<CNoResultReasonDlg*>(&w);
            return !reason || !reason->searchRunning();
        });

    write();
    static ScriptedMessageBoxService answerOk;
    m_main.done(QDialog::Accepted);
}

void WindowWalk::write() const
{
    const auto save = [this](const QString& file, const QStringList& lines) {
        QFile out(m_folder + QLatin1Char('/') + file);
        if (out.open(QIODevice::WriteOnly | QIODevice::Truncate))
            out.write((lines.join(QLatin1Char('\n')) + QLatin1Char('\n')).toUtf8());
    };
    save(QStringLiteral("walk.txt"), m_lines);
    save(QStringLiteral("japanese-left.txt"), m_japanese);
}

} // namespace

void scheduleWindowWalk(CSearchDlg& window, CSimulatorApp& app, const QString& folder)
{
    QDir().mkpath(folder);
    QTimer::singleShot(1000, &window, [&window, &app, folder] { WindowWalk(window, app, folder).run(); });
}

} // namespace zeku
