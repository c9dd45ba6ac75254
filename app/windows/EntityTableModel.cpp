#include "app/windows/EntityTableModel.h"

#include "app/windows/CellText.h"
#include "app/windows/GridDelegate.h"

EntityTableModel::EntityTableModel(QString column, QString columnTitle, QObject* parent)
    : QAbstractTableModel(parent),
      column_(std::move(column)),
      columnTitle_(std::move(columnTitle)) {}

void EntityTableModel::setRows(const std::vector<DbRow>& rows) {
    beginResetModel();
    rows_.clear();
    for (const DbRow& r : rows) {
        const DbValue& v = r.value(column_);
        const std::optional<QString> value =
            v.isNull() ? std::nullopt : std::optional<QString>(v.fieldText());
        rows_.push_back(
            Row{r.text(QStringLiteral("EMPRESA")), r.text(QStringLiteral("NOME")), value, value});
    }
    pendingRow_ = -1;
    endResetModel();
}

void EntityTableModel::setEditable(bool editable) {
    editable_ = editable;
}

bool EntityTableModel::setValue(int row, const QString& text) {
    QString error;
    const auto number = CellText::integer(text, &error);
    if (!number) {
        if (onRefused_)
            onRefused_(error);
        return false;
    }
    if (pendingRow_ != row) {
        post();
        pendingRow_ = row;
        pendingBefore_ = rows_[size_t(row)].value;
    }
    if (rows_[size_t(row)].value != *number) {
        rows_[size_t(row)].value = *number;
        emit dataChanged(index(row, EditedColumn), index(row, EditedColumn));
    }
    return true;
}

void EntityTableModel::post() {
    pendingRow_ = -1;
}

void EntityTableModel::cancelPending() {
    if (pendingRow_ < 0)
        return;
    const int row = std::exchange(pendingRow_, -1);
    rows_[size_t(row)].value = pendingBefore_;
    emit dataChanged(index(row, EditedColumn), index(row, EditedColumn));
}

std::vector<int> EntityTableModel::changedRows() const {
    std::vector<int> changed;
    for (size_t i = 0; i < rows_.size(); ++i) {
        if (rows_[i].value != rows_[i].original)
            changed.push_back(int(i));
    }
    return changed;
}

void EntityTableModel::acceptChanges() {
    for (Row& r : rows_)
        r.original = r.value;
    pendingRow_ = -1;
}

int EntityTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(rows_.size());
}

int EntityTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : 3;
}

QVariant EntityTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid())
        return {};
    const Row& r = rows_[size_t(index.row())];
    if (role == Qt::DisplayRole || role == Qt::EditRole) {
        switch (index.column()) {
            case 0:
                return r.empresa;
            case 1:
                return r.nome;
            default:
                return r.value.value_or(QString());
        }
    }
    if (role == GridDelegate::MaxLengthRole)
        return index.column() == EditedColumn ? 11 : 0;
    return {};
}

QVariant EntityTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal)
        return {};
    switch (section) {
        case 0:
            return QStringLiteral("Código");
        case 1:
            return QStringLiteral("Nome");
        default:
            return columnTitle_;
    }
}

Qt::ItemFlags EntityTableModel::flags(const QModelIndex& index) const {
    Qt::ItemFlags f = QAbstractTableModel::flags(index);
    if (editable_ && index.isValid() && index.column() == EditedColumn)
        f |= Qt::ItemIsEditable;
    return f;
}

bool EntityTableModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (role != Qt::EditRole || !(flags(index) & Qt::ItemIsEditable))
        return false;
    return setValue(index.row(), value.toString());
}
