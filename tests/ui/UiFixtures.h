#pragma once
// Small in-memory master data for the list tests, and helpers to read what a
// view shows.

#include "data/MasterData.h"
#include "search/EquipSet.h"

#include <QAbstractItemView>
#include <QColor>
#include <QString>

#include <initializer_list>
#include <string>
#include <vector>

namespace zeku::test {

// Tree ids of the sample skills.
constexpr uint16_t kAttack = 1; // "攻撃": +10 攻撃力UP【小】, +20 攻撃力UP【大】, -10 攻撃力DOWN【小】
constexpr uint16_t kGuard = 2; // "防御": +10 防御力UP【小】, -5 防御力DOWN【小】
constexpr uint16_t kFire = 3; // "火耐性": +10 火耐性+10
constexpr uint16_t kGather = 4; // "採取": no activations

// Head pieces, in catalogue order:
//   0 "アイアンヘルム" r2 def 10, 1 slot, both sexes and jobs, res {+1,0,-2,0,0}, 攻撃+2 防御-1
//   1 "レザーキャップ" r1 def 5, 0 slots, male blade user, 防御+3
//   2 "ソウルヘルム"   r3 def 20, 2 slots, female gunner, 攻撃+1 防御+1 火耐性+2
//   3 "ボーンヘルム"   r2 def 12, 3 slots, both, 攻撃+3 火耐性-2
// One piece per other part (body "アイアンメイル" 1 slot 攻撃+2, arm "アイアンアーム"
// 2 slots 防御+2, waist "アイアンフォールド" 0 slots 攻撃+1, leg "アイアングリーヴ"
// 1 slot 防御+1 攻撃+1). Jewels: 0 "攻撃珠" r1 1 slot 攻撃+1 防御-1, 1 "防御珠" r1
// 1 slot 防御+1, 2 "火耐珠" r2 2 slots 火耐性+2, 3 "剛力珠" r4 3 slots 攻撃+4 火耐性-1.
void buildSampleMaster(MasterData& master);

// The display text of a cell of `view`'s model.
QString cellText(const QAbstractItemView& view, int row, int column);
// The foreground or background colour a cell is drawn with (invalid when none).
QColor cellForeground(const QAbstractItemView& view, int row, int column);
QColor cellBackground(const QAbstractItemView& view, int row, int column);
// The header captions of `view`'s model.
QStringList headers(const QAbstractItemView& view);
// One column of texts, top to bottom.
QStringList columnTexts(const QAbstractItemView& view, int column);

} // namespace zeku::test
