#pragma once

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

#include "output/EnvironmentError.h"

// A parameter file that cannot be read or written; the message names the file.
class ParamFileError : public EnvironmentError {
public:
    using EnvironmentError::EnvironmentError;
};

// A client-dataset XML data packet: a single-byte (Windows-1252) XML document whose METADATA
// lists the columns and whose ROWDATA holds one ROW per record, a column per attribute (absent
// means null). Column names are found without regard to case.
class DataPacket {
public:
    struct Field {
        QString name;
        QString type;   // "i4", "string", ...
        int width = 0;  // for "string"
        bool required = false;
    };
    using Row = std::vector<std::optional<QString>>;

    static DataPacket load(const QString& path);
    static DataPacket parse(const QByteArray& bytes, const QString& pathForMessages);

    // Writes beside the file, then renames over it, so an interrupted save never leaves a broken
    // file.
    void save(const QString& path) const;
    QByteArray serialize() const;

    const std::vector<Field>& fields() const { return fields_; }
    void addField(const Field& field);
    int fieldIndex(const QString& name) const;  // -1 when absent

    int rowCount() const { return int(rows_.size()); }
    const Row& row(int i) const { return rows_[size_t(i)]; }
    void addRow(Row row);
    // The value of a column in a row: null when absent.
    std::optional<QString> value(int row, const QString& column) const;
    // The value as text; a null value is empty text.
    QString text(int row, const QString& column) const;
    void setValue(int row, const QString& column, const std::optional<QString>& value);

private:
    std::vector<Field> fields_;
    std::vector<Row> rows_;
};
