#pragma once
// "スキル絞込み": for one job, the skill trees the manual editor offers for
// filtering (right list) and which of them filter (their check boxes). The
// left list holds the other trees of the catalogue.

#include "data/SkillCatalogue.h"

#include <QDialog>

#include <cstdint>
#include <map>
#include <memory>

class QStandardItemModel;

namespace Ui {
class CSkillFilterDlg;
}

namespace zeku {

class ReportListView;

class CSkillFilterDlg : public QDialog {
    Q_OBJECT
public:
    // Tree id → chosen (1) or not (0).
    using Choices = std::map<uint16_t, int>;

    // Trees in `choices` start in the right list, checked when chosen; the
    // others of `skills` in the left list, all in catalogue order.
    CSkillFilterDlg(const SkillCatalogue& skills, const Choices& choices, QWidget* parent = nullptr);
    ~CSkillFilterDlg() override;

    // After OK: exactly the trees of the right list with their check state.
    const Choices& choices() const { return m_choices; }

private:
    // Moves the selected rows of `from` to the end of `to`, selected there;
    // rows arriving on the right start checked.
    void moveSelected(ReportListView* from, ReportListView* to);
    void removeAll();
    void updateButtons();
    void accept() override;

    std::unique_ptr<Ui::CSkillFilterDlg> m_ui;
    QStandardItemModel* m_leftModel;
    QStandardItemModel* m_rightModel;
    Choices m_choices;
};

} // namespace zeku
