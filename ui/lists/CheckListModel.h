#pragma once
// The model of the two fixed-equipment lists: a fixed number of rows of texts
// with a check box in the first column.

#include <QAbstractTableModel>
#include <QColor>
#include <QStringList>

#include <map>
#include <utility>
#include <vector>

namespace zeku {

class CheckListModel final : public QAbstractTableModel {
    Q_OBJECT
public:
    struct Column {
        QString header;
        Qt::Alignment alignment;
        int width;
    };

    CheckListModel(std::vector<Column> columns, int rows, QObject* parent);

    const std::vector<Column>& columnSpecs() const { return m_columns; }
    QString cell(int row, int column) const
    {
        return m_cells[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)];
    }
    void setCell(int row, int column, const QString& text);
    bool isChecked(int row) const { return m_checked[static_cast<std::size_t>(row)]; }
    // Changes the check without announcing it as the user's.
    void setChecked(int row, bool checked);
    // Draws one cell's text in `color` (an invalid colour restores the default).
    void setCellForeground(int row, int column, const QColor& color);
    // Draw unchecked rows in the unchecked colour.
    void setGreyUnchecked(bool on) { m_greyUnchecked = on; }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

Q_SIGNALS:
    // The user checked or unchecked `row`.
    void userCheckToggled(int row, bool checked);

private:
    void rowChanged(int row);

    std::vector<Column> m_columns;
    std::vector<std::vector<QString>> m_cells;
    std::vector<bool> m_checked;
    std::map<std::pair<int, int>, QColor> m_cellForeground;
    bool m_greyUnchecked = false;
};

} // namespace zeku
