#pragma once
// The addable skills the additional-skill search found: tree, skill, points and
// kind ("追加" a new tree, "上昇" a wanted tree raised). Rows arrive one by one
// as candidates are decided and stay in candidate order until the user sorts.
// A list about one set adds the jewels that reach each skill.

#include "search/AddableCandidates.h"
#include "ui/lists/CDataListCtrl.h"

#include <functional>
#include <vector>

namespace zeku {

class CAddableSkillListCtrl : public CDataListCtrl {
    Q_OBJECT
public:
    explicit CAddableSkillListCtrl(QWidget* parent = nullptr);

    // The jewels column's text of one row.
    using JewelText = std::function<QString(const AddableCandidate*)>;

    // Inserts the columns, with "装飾品" last when `jewels` is given. Rows
    // point into one candidate list (the worker's), which must outlive them;
    // their order there is the candidate order.
    void setUp(JewelText jewels = {});
    // Shows one more addable candidate: in candidate order while the list is
    // not sorted, else at the end.
    void addCandidate(const AddableCandidate* candidate);
    void clearRows();

    const std::vector<const AddableCandidate*>& getDataArray() const { return m_table.rows(); }

private:
    DataListTable<const AddableCandidate*> m_table;
};

} // namespace zeku
