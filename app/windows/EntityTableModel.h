#pragma once

#include <QAbstractTableModel>
#include <functional>
#include <optional>
#include <vector>

#include "settings/DbRow.h"

// The entities of TABEMPRESA with one integer column that the operator edits: "Código"
// (EMPRESA) and "Nome" (NOME), read-only, then the edited column. Edits stay here until they are
// applied; the edit of the current row is pending until the row is left, and can be cancelled.
class EntityTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    static constexpr int EditedColumn = 2;

    EntityTableModel(QString column, QString columnTitle, QObject* parent = nullptr);

    void setRows(const std::vector<DbRow>& rows);
    const QString& column() const { return column_; }
    void setEditable(bool editable);
    bool isEditable() const { return editable_; }

    QString empresa(int row) const { return rows_[size_t(row)].empresa; }
    std::optional<QString> value(int row) const { return rows_[size_t(row)].value; }
    std::optional<QString> original(int row) const { return rows_[size_t(row)].original; }
    // Sets the edited column of a row from what the operator typed or chose; false, with the
    // message given to the refusal handler, when the text is no integer.
    bool setValue(int row, const QString& text);
    // The pending edit becomes a cached one.
    void post();
    // The pending edit is undone.
    void cancelPending();
    // The rows whose value differs from the one read.
    std::vector<int> changedRows() const;
    // After the changes were committed: what is shown is what the database holds.
    void acceptChanges();

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
    struct Row {
        QString empresa;
        QString nome;
        std::optional<QString> original;
        std::optional<QString> value;
    };
    QString column_;
    QString columnTitle_;
    std::vector<Row> rows_;
    bool editable_ = false;
    int pendingRow_ = -1;
    std::optional<QString> pendingBefore_;
    std::function<void(const QString&)> onRefused_;
};
