#pragma once

#include <QAbstractTableModel>
#include <QSet>
#include <functional>
#include <vector>

#include "params/DataPacket.h"

// The rows of a parameter file as a grid shows them: the chosen columns in their order, edited in
// place only while editing; rows are never added or removed.
class DataPacketModel : public QAbstractTableModel {
    Q_OBJECT
public:
    struct Column {
        QString title;
        QString field;
        int width = 0;  // 0: the width the file declares
    };

    explicit DataPacketModel(std::vector<Column> columns, QObject* parent = nullptr);

    void setPacket(DataPacket packet);
    const DataPacket& packet() const { return packet_; }
    void setEditable(bool editable);
    // A field that an edit may not leave empty.
    void setRequiredField(const QString& field) { requiredField_ = field; }
    // The edited rows whose required field is empty.
    std::vector<int> rowsMissingRequired() const;
    // Called with the message when an edit is refused; the cell keeps its value.
    void setRefusalHandler(std::function<void(const QString&)> handler) {
        onRefused_ = std::move(handler);
    }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;

private:
    int fieldOf(int column) const { return fieldIndexes_[size_t(column)]; }
    int widthOf(int column) const;
    bool refuse(const QString& message);

    std::vector<Column> columns_;
    std::vector<int> fieldIndexes_;
    DataPacket packet_;
    bool editable_ = false;
    QString requiredField_;
    QSet<int> editedRows_;
    std::function<void(const QString&)> onRefused_;
};
