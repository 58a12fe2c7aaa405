#pragma once
// A working folder with small master data for the main-window tests, the
// application object loaded from it, and helpers to drive windows by control id.

#include "ui/app/CSimulatorApp.h"
#include "support/TestSupport.h"
#include "ui/platform/WindowSupport.h"

#include <QAbstractButton>
#include <QString>

#include <filesystem>
#include <memory>

namespace zeku::test {

// Skill trees: 1 "攻撃" (10 攻撃力UP【小】, 15 攻撃力UP【大】, -10 攻撃力DOWN【小】),
// 2 "防御" (10 防御力UP【小】), 3 "採取" (no skills).
// Head: "鉄頭" (1 slot, 攻撃+3), "男頭" (male only, 攻撃+5), "女頭" (female only,
// 攻撃+5), "銃頭" (gunner only, 防御+4). Body "鉄胴" (1 slot, 攻撃+3), "防胴"
// (2 slots, 防御+5); arm "鉄腕" (1 slot, 攻撃+2); waist "鉄腰" (攻撃+2), "防腰"
// (1 slot, 防御+3); leg "鉄脚" (1 slot, 攻撃+2), "防脚" (1 slot, 防御+3).
// Jewels "攻撃珠" and "防御珠", one slot, +1 each.
void writeSmallMasterData(const std::filesystem::path& datFolder);

// The bundled sample data of the source tree.
std::filesystem::path sampleDatFolder();

// A temporary working folder with dat/ and an empty user/, and the
// application object started on it.
class AppFixture {
public:
    // dat/ holds the small master data above.
    AppFixture();
    // dat/ is a copy of `datFolder` (such as sampleDatFolder()).
    explicit AppFixture(const std::filesystem::path& datFolder);
    CSimulatorApp& app() { return *m_app; }
    const TempDir& dir() const { return m_dir; }
    // The piece of `part` named `utf8Name` (first with that name).
    const EquipItem* piece(int part, const char* utf8Name) const;

private:
    TempDir m_dir;
    std::unique_ptr<CSimulatorApp> m_app;
};

// The control of `window` with id `id`; fails the test when it is missing.
template <typename T = QWidget>
T* ctl(const QWidget& window, int id)
{
    T* control = controlById<T>(&window, id);
    if (!control)
        qFatal("no control %d", id);
    return control;
}

// Clicks the button `id` of `window`.
void clickControl(const QWidget& window, int id);

// Chooses the tree `tree` in 1062 and the skill `skill` in 1106 of the main
// window, then clicks "追加".
void addWantedSkill(const QWidget& window, const QString& tree, const QString& skill);

} // namespace zeku::test
