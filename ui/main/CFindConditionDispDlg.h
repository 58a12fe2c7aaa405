#pragma once
// The condition confirm window "検索条件確認": the condition of the results on
// display as text, and check boxes choosing which parts of it go back into the
// main window's entries.

#include "search/SearchCondition.h"

#include <QDialog>

#include <array>
#include <memory>

class QCheckBox;

namespace Ui {
class CFindConditionDispDlg;
}

namespace zeku {

class SkillCatalogue;

// The parts of a condition the user chose to apply.
struct ConditionParts {
    bool basic = false;
    bool skills = false;
    bool fixed = false;
    bool excludedItems = false;
    bool excludedSkills = false;
    bool sParts = false;
};

class CFindConditionDispDlg : public QDialog {
    Q_OBJECT

public:
    // `condition` must outlive the dialog.
    CFindConditionDispDlg(const SearchCondition& condition, const SkillCatalogue& skills, QWidget* parent = nullptr);
    ~CFindConditionDispDlg() override;

    // The choice after OK (all false before).
    const ConditionParts& parts() const { return m_parts; }

public Q_SLOTS:
    void accept() override;

private:
    void onPartClicked();
    void onAllClicked();
    std::array<QCheckBox*, 3> switchedBoxes() const;

    std::unique_ptr<Ui::CFindConditionDispDlg> m_ui;
    const SearchCondition& m_condition;
    ConditionParts m_parts;
};

} // namespace zeku
