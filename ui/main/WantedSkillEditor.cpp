#include "ui/main/WantedSkillEditor.h"

#include "platform/LenientNumber.h"
#include "ui/app/CSimulatorApp.h"
#include "ui/main/CSearchDlg.h"
#include "ui/platform/MessageBoxService.h"
#include "ui/platform/TextConvert.h"
#include "userfiles/Favorites.h"

#include "ui_CSearchDlg.h"

#include <QApplication>
#include <QPalette>
#include <QSignalBlocker>

namespace zeku {

namespace {

// Rows of the tree chooser before the trees: "全て" and the favourites.
constexpr int kAllTreesData = -1;
constexpr int kFavoritesData = -2;
// The favourites offer at most this many skills.
constexpr std::size_t kFavoriteRows = 15;

int jobOf(const Ui::CSearchDlg& ui)
{
    return ui.jobBladeRadio->isChecked() ? kJobBlade : kJobGunner;
}

} // namespace

WantedSkillEditor::WantedSkillEditor(CSimulatorApp& app, Ui::CSearchDlg& ui, QWidget& window)
    : m_app(app), m_ui(ui), m_window(window)
{
}

void WantedSkillEditor::setUpControls()
{
    m_ui.skillPointsScroll->setRange(-99, 99);
    m_ui.skillPointsScroll->setInvertedAppearance(true);
    m_ui.skillPointsScroll->setValue(0);
    m_ui.skillPointsEdit->setText(QStringLiteral("0"));
    m_ui.wantedTreeLabel->clear();
    m_ui.wantedSkillList->setUp(m_app.skills());
}

void WantedSkillEditor::connectControls(QObject* context)
{
    QObject::connect(m_ui.skillTreeCombo, qOverload<int>(&QComboBox::currentIndexChanged), context, [this] {
        fillActivatedSkillChooser();
        updateButtons();
    });
    QObject::connect(m_ui.activatedSkillCombo, qOverload<int>(&QComboBox::currentIndexChanged), context,
                     [this] { updateButtons(); });
    QObject::connect(m_ui.addSkillButton, &QPushButton::clicked, context, [this] { onAddSkill(); });
    QObject::connect(m_ui.wantedSkillList->selectionModel(), &QItemSelectionModel::selectionChanged, context,
                     [this] { onSelectionChanged(); });
    QObject::connect(m_ui.adjustSkillButton, &QPushButton::clicked, context, [this] { onAdjust(); });
    QObject::connect(m_ui.removeSkillButton, &QPushButton::clicked, context, [this] { onRemove(); });
    QObject::connect(m_ui.removeAllSkillsButton, &QPushButton::clicked, context, [this] { onRemoveAll(); });
    QObject::connect(m_ui.skillPointsEdit, &QLineEdit::textChanged, context, [this] { onPointsTextChanged(); });
    QObject::connect(m_ui.skillPointsScroll, &QScrollBar::valueChanged, context, [this](int value) {
        if (m_ui.skillPointsEdit->text().toInt() != value)
            m_ui.skillPointsEdit->setText(QString::number(value));
    });
}

QString WantedSkillEditor::favoritesCaption()
{
    // The favourites stand in the choosers like a skill tree, under a name of
    // the windows rather than of the master data (the settings' own name is
    // this text in Japanese).
    return CSearchDlg::tr("よく使うスキル");
}

void WantedSkillEditor::fillSkillTreeChooser()
{
    QComboBox* combo = m_ui.skillTreeCombo;
    const QSignalBlocker block(combo);
    combo->clear();
    combo->addItem(CSearchDlg::tr("全て"), kAllTreesData);
    combo->addItem(favoritesCaption(), kFavoritesData);
    const std::vector<SkillTree>& trees = m_app.skills().trees();
    for (std::size_t i = 0; i < trees.size(); ++i)
        combo->addItem(toQString(trees[i].name), static_cast<int>(i));
    combo->setCurrentIndex(0);
    fillActivatedSkillChooser();
}

void WantedSkillEditor::fillActivatedSkillChooser()
{
    QComboBox* combo = m_ui.activatedSkillCombo;
    const QSignalBlocker block(combo);
    combo->clear();
    m_chooserSkills.clear();
    const auto addRow = [&](const QString& text, std::optional<SkillPoint> skill) {
        combo->addItem(text);
        m_chooserSkills.push_back(skill);
    };
    const FavoriteSkillSet& favorites = m_app.startupSettings().favoriteSkills(jobOf(m_ui));
    const std::vector<SkillTree>& trees = m_app.skills().trees();
    const int chosen =
        m_ui.skillTreeCombo->currentData().isValid() ? m_ui.skillTreeCombo->currentData().toInt() : kAllTreesData;

    if (chosen == kAllTreesData) {
        // Every tree under its name, its skills drawn as the branches of a tree.
        const auto addGroup = [&](const QString& name, const std::vector<const SkillActivation*>& skills) {
            addRow(name, std::nullopt);
            if (skills.empty()) {
                addRow(QStringLiteral(" ┗") + CSearchDlg::tr("なし"), std::nullopt);
                return;
            }
            for (std::size_t i = 0; i < skills.size(); ++i) {
                const QString branch = i + 1 == skills.size() ? QStringLiteral(" ┗") : QStringLiteral(" ┣");
                addRow(branch + toQString(skills[i]->name), SkillPoint{skills[i]->treeId, skills[i]->threshold});
            }
        };
        std::vector<const SkillActivation*> list;
        for (std::size_t i = 0; i < favorites.entries.size() && i < kFavoriteRows; ++i)
            list.push_back(&favorites.entries[i]);
        addGroup(favoritesCaption(), list);
        for (const SkillTree& tree : trees) {
            list.clear();
            for (const SkillActivation& skill : tree.activations)
                list.push_back(&skill);
            addGroup(toQString(tree.name), list);
        }
        combo->setCurrentIndex(-1);
        return;
    }
    if (chosen == kFavoritesData) {
        for (std::size_t i = 0; i < favorites.entries.size() && i < kFavoriteRows; ++i) {
            const FavoriteSkillEntry& entry = favorites.entries[i];
            addRow(toQString(entry.name), SkillPoint{entry.treeId, entry.threshold});
        }
    } else if (chosen >= 0 && static_cast<std::size_t>(chosen) < trees.size()) {
        for (const SkillActivation& skill : trees[static_cast<std::size_t>(chosen)].activations)
            addRow(toQString(skill.name), SkillPoint{skill.treeId, skill.threshold});
    }
    combo->setCurrentIndex(combo->count() > 0 ? 0 : -1);
}

void WantedSkillEditor::updateButtons()
{
    const int row = m_ui.activatedSkillCombo->currentIndex();
    const bool carriesSkill =
        row >= 0 && static_cast<std::size_t>(row) < m_chooserSkills.size() && m_chooserSkills[row].has_value();
    m_ui.addSkillButton->setEnabled(carriesSkill);
    const bool any = !m_wanted.empty();
    const bool selected = any && m_ui.wantedSkillList->selectedRow() >= 0;
    for (QWidget* w : {static_cast<QWidget*>(m_ui.skillPointsEdit), static_cast<QWidget*>(m_ui.skillPointsScroll),
                       static_cast<QWidget*>(m_ui.removeSkillButton), static_cast<QWidget*>(m_ui.adjustSkillButton)})
        w->setEnabled(selected);
    m_ui.removeAllSkillsButton->setEnabled(any);
}

void WantedSkillEditor::replace(const std::vector<SkillPoint>& wanted, int select)
{
    m_wanted = wanted;
    m_ui.wantedSkillList->setWantedSkills(m_wanted);
    m_ui.wantedSkillList->selectSingleRow(select);
    onSelectionChanged();
}

void WantedSkillEditor::onAddSkill()
{
    const int row = m_ui.activatedSkillCombo->currentIndex();
    if (row < 0 || static_cast<std::size_t>(row) >= m_chooserSkills.size() || !m_chooserSkills[row])
        return;
    add(*m_chooserSkills[row]);
}

void WantedSkillEditor::add(const SkillPoint& skill)
{
    std::vector<SkillPoint> wanted = m_wanted;
    int position = -1;
    for (std::size_t i = 0; i < wanted.size(); ++i) {
        if (wanted[i].treeId == skill.treeId) {
            wanted[i].points = skill.points;
            position = static_cast<int>(i);
        }
    }
    if (position < 0) {
        wanted.push_back(skill);
        position = static_cast<int>(wanted.size()) - 1;
    }
    replace(wanted, position);
}

void WantedSkillEditor::onSelectionChanged()
{
    const int row = m_ui.wantedSkillList->selectedRow();
    if (row >= 0 && static_cast<std::size_t>(row) < m_wanted.size()) {
        const SkillPoint& point = m_wanted[static_cast<std::size_t>(row)];
        const std::string* name = m_app.skills().treeName(point.treeId);
        m_ui.wantedTreeLabel->setText(name ? toQString(*name) : QString());
        m_ui.skillPointsEdit->setText(QString::number(point.points));
    } else {
        m_ui.wantedTreeLabel->clear();
        m_ui.skillPointsEdit->setText(QStringLiteral("0"));
    }
    updateButtons();
}

void WantedSkillEditor::onPointsTextChanged()
{
    const int value = m_ui.skillPointsEdit->text().toInt();
    QPalette palette = m_ui.skillPointsEdit->palette();
    palette.setColor(QPalette::Text, value < 0 ? QColor(255, 0, 0) : QApplication::palette().color(QPalette::Text));
    m_ui.skillPointsEdit->setPalette(palette);
    if (value >= -99 && value <= 99 && m_ui.skillPointsScroll->value() != value) {
        const QSignalBlocker block(m_ui.skillPointsScroll);
        m_ui.skillPointsScroll->setValue(value);
    }
}

void WantedSkillEditor::onAdjust()
{
    const int row = m_ui.wantedSkillList->selectedRow();
    if (row < 0 || static_cast<std::size_t>(row) >= m_wanted.size())
        return;
    const int32_t value = parseLenientInt(m_ui.skillPointsEdit->text().toStdString());
    if (value == 0 || value < -99 || value > 99) {
        showMessage(&m_window, CSearchDlg::tr("スキル値の範囲は -99～99 (0を除く) です。"), MessageIcon::Information);
        return;
    }
    std::vector<SkillPoint> wanted = m_wanted;
    wanted[static_cast<std::size_t>(row)].points = static_cast<int16_t>(value);
    replace(wanted, row);
}

void WantedSkillEditor::onRemove()
{
    const int row = m_ui.wantedSkillList->selectedRow();
    if (row < 0 || static_cast<std::size_t>(row) >= m_wanted.size())
        return;
    std::vector<SkillPoint> wanted = m_wanted;
    wanted.erase(wanted.begin() + row);
    const int select = wanted.empty() ? -1 : std::min(row, static_cast<int>(wanted.size()) - 1);
    replace(wanted, select);
}

void WantedSkillEditor::onRemoveAll()
{
    replace({}, -1);
}

} // namespace zeku
