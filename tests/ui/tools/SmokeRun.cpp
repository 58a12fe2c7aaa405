#include "tools/SmokeRun.h"

#include "tools/EventPump.h"

#include "ui/main/CSearchDlg.h"
#include "ui/platform/MessageBoxService.h"
#include "ui/platform/WindowSupport.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QScreen>
#include <QTimer>
#include <QWindow>

#include <cstdio>
#include <memory>
#include <optional>

namespace zeku {

namespace {

// What the smoke run under a window manager saw; every field must end true.
struct WindowManagerChecks {
    bool mainMaximised = false;
    bool mainMinimisedWhileEditing = false;
    bool editorShown = false;
    bool mainBackMaximised = false;
    bool maximisedAfterSearches = false;

    bool allPassed() const
    {
        return mainMaximised && mainMinimisedWhileEditing && editorShown && mainBackMaximised && maximisedAfterSearches;
    }
    void print() const
    {
        std::fprintf(stderr,
                     "smoke: main window maximised %d, minimised while the editor is open %d, "
                     "editor shown %d, main window back maximised %d, maximised after searches %d\n",
                     mainMaximised, mainMinimisedWhileEditing, editorShown, mainBackMaximised, maximisedAfterSearches);
    }
};

// Runs a few small searches as the user does, closing each progress window
// with its button; true when the window came back maximised every time.
bool searchesKeepMaximised(zeku::CSearchDlg& window, const zeku::SkillCatalogue& skills)
{
    constexpr int kSearches = 3;
    // The first skill of the catalogue with a positive threshold.
    std::optional<zeku::SkillPoint> wanted;
    for (const zeku::SkillTree& tree : skills.trees())
        for (const zeku::SkillActivation& skill : tree.activations)
            if (!wanted && skill.threshold > 0)
                wanted = zeku::SkillPoint{skill.treeId, skill.threshold};
    if (!wanted)
        return false;
    if (auto* count = zeku::controlById<QLineEdit>(&window, 1094))
        count->setText(QStringLiteral("50"));
    for (int i = 0; i < kSearches; ++i) {
        window.replaceWantedSkills({*wanted});
        auto* search = zeku::controlById<QAbstractButton>(&window, 1070);
        if (!search)
            return false;
        search->click();
        if (!zeku::processEventsUntil([&window] { return !window.searchRunning() && window.progressWindow(); }, 60000))
            return false;
        if (auto* ok = window.progressWindow()->findChild<QAbstractButton*>(QStringLiteral("cancelButton")))
            ok->click();
        if (!zeku::processEventsUntil(
                [&window] { return !window.isMinimized() && window.isMaximized() && window.isVisible(); }, 10000))
            return false;
    }
    return true;
}

} // namespace

void scheduleSmokeRun(CSearchDlg& window, const SkillCatalogue& skills, const QString& path, bool windowManager)
{
    if (windowManager)
        window.setWindowState(Qt::WindowMaximized);
    QTimer::singleShot(1500, &window, [&window, &skills, path, windowManager] {
        auto checks = std::make_shared<WindowManagerChecks>();
        if (windowManager)
            checks->mainMaximised = zeku::processEventsUntil([&window] { return window.isMaximized(); }, 10000);
        bool saved = window.grab().save(path, "PNG");
        QString base = path;
        if (base.endsWith(QStringLiteral(".png")))
            base.chop(4);
        bool editorSaved = false;
        QTimer::singleShot(1500, &window, [&window, base, &editorSaved, checks, windowManager] {
            if (auto* editor = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
                if (windowManager)
                    checks->mainMinimisedWhileEditing =
                        zeku::processEventsUntil([&window] { return window.isMinimized(); }, 10000);
                checks->editorShown =
                    editor->isVisible() && editor->windowHandle() && editor->windowHandle()->isExposed();
                editorSaved = editor->grab().save(base + QStringLiteral("-manual.png"), "PNG");
                QScreen* screen = QGuiApplication::primaryScreen();
                if (windowManager && screen)
                    screen->grabWindow(0).save(base + QStringLiteral("-screen.png"), "PNG");
                editor->reject();
            }
        });
        constexpr int kChooseYourselfButton = 1037;
        if (auto* choose = zeku::controlById<QAbstractButton>(&window, kChooseYourselfButton))
            choose->click(); // returns when the editor has closed
        bool passed = saved && editorSaved;
        if (windowManager) {
            checks->mainBackMaximised = zeku::processEventsUntil(
                [&window] { return !window.isMinimized() && window.isMaximized() && window.isVisible(); }, 10000);
            checks->maximisedAfterSearches = searchesKeepMaximised(window, skills);
            checks->print();
            passed = passed && checks->allPassed();
        }
        // The results are not stored: the close question is answered with OK.
        static zeku::ScriptedMessageBoxService answerOk;
        window.done(passed ? QDialog::Accepted : QDialog::Rejected);
    });
}

} // namespace zeku
