#pragma once
// The table model of a data list: rows, texts, colours and alignment come from
// the list's column table and shown array when the view asks for them.

#include <QAbstractTableModel>

namespace zeku {

class CDataListCtrl;
class DataListSource;

class DataListModel final : public QAbstractTableModel {
    Q_OBJECT
public:
    DataListModel(CDataListCtrl* list, QObject* parent);

    void setSource(DataListSource* source);
    // Row count and contents changed wholesale.
    void resetRows();
    // Reordering of rows, with the persistent indexes moved by the caller.
    void beginReorder();
    void endReorder(const QModelIndexList& from, const QModelIndexList& to);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    using QAbstractTableModel::persistentIndexList;

private:
    CDataListCtrl* m_list;
    DataListSource* m_source = nullptr;
};

} // namespace zeku
