#include "app/windows/DataPacketModel.h"

#include "app/windows/CellText.h"
#include "app/windows/GridDelegate.h"

DataPacketModel::DataPacketModel(std::vector<Column> columns, QObject* parent)
    : QAbstractTableModel(parent),
      columns_(std::move(columns)),
      fieldIndexes_(columns_.size(), -1) {}

void DataPacketModel::setPacket(DataPacket packet) {
    beginResetModel();
    packet_ = std::move(packet);
    for (size_t c = 0; c < columns_.size(); ++c)
        fieldIndexes_[c] = packet_.fieldIndex(columns_[c].field);
    editedRows_.clear();
    endResetModel();
}

void DataPacketModel::setEditable(bool editable) {
    editable_ = editable;
    if (rowCount() > 0 && columnCount() > 0)
        emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
}

std::vector<int> DataPacketModel::rowsMissingRequired() const {
    std::vector<int> rows;
    if (requiredField_.isEmpty() || packet_.fieldIndex(requiredField_) < 0)
        return rows;
    for (int r = 0; r < packet_.rowCount(); ++r) {
        if (editedRows_.contains(r) && packet_.text(r, requiredField_).isEmpty())
            rows.push_back(r);
    }
    return rows;
}

int DataPacketModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : packet_.rowCount();
}

int DataPacketModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(columns_.size());
}

int DataPacketModel::widthOf(int column) const {
    if (columns_[size_t(column)].width > 0)
        return columns_[size_t(column)].width;
    const int f = fieldOf(column);
    if (f < 0)
        return 0;
    const DataPacket::Field& field = packet_.fields()[size_t(f)];
    if (field.type == u"string")
        return field.width;
    return field.type == u"i4" ? 11 : 0;
}

QVariant DataPacketModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid())
        return {};
    const int f = fieldOf(index.column());
    switch (role) {
        case Qt::DisplayRole:
        case Qt::EditRole:
            if (f < 0)
                return QString();
            return packet_.row(index.row())[size_t(f)].value_or(QString());
        case GridDelegate::MaxLengthRole:
            return widthOf(index.column());
        default:
            return {};
    }
}

QVariant DataPacketModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Horizontal)
        return columns_[size_t(section)].title;
    return {};
}

Qt::ItemFlags DataPacketModel::flags(const QModelIndex& index) const {
    Qt::ItemFlags f = QAbstractTableModel::flags(index);
    if (editable_ && index.isValid() && fieldOf(index.column()) >= 0)
        f |= Qt::ItemIsEditable;
    return f;
}

bool DataPacketModel::refuse(const QString& message) {
    if (onRefused_)
        onRefused_(message);
    return false;
}

bool DataPacketModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (role != Qt::EditRole || !index.isValid() || !(flags(index) & Qt::ItemIsEditable))
        return false;
    const int f = fieldOf(index.column());
    const DataPacket::Field& field = packet_.fields()[size_t(f)];
    const QString typed = value.toString();
    std::optional<QString> stored;
    if (field.type == u"i4") {
        QString error;
        const auto number = CellText::integer(typed, &error);
        if (!number)
            return refuse(error);
        stored = *number;
    } else {
        const int width = widthOf(index.column());
        if (width > 0 && typed.size() > width) {
            return refuse(QStringLiteral("O campo '%1' aceita no máximo %2 caracteres.")
                              .arg(field.name)
                              .arg(width));
        }
        if (!typed.isEmpty())
            stored = typed;
    }
    if (!stored && !requiredField_.isEmpty() &&
        field.name.compare(requiredField_, Qt::CaseInsensitive) == 0)
        return refuse(CellText::requiredMessage(field.name));
    if (packet_.row(index.row())[size_t(f)] != stored) {
        packet_.setValue(index.row(), field.name, stored);
        editedRows_.insert(index.row());
        emit dataChanged(index, index);
    }
    return true;
}
