#pragma once

#include <QDialog>
#include <vector>

#include "app/ErrorLog.h"

class QLabel;
class QPlainTextEdit;
class QTableWidget;

// The error log of a generated file as a table, and under it the record of the file that the
// selected error points at (by its sequence number), with a column ruler, so the operator sees
// the data that caused it.
class TFrmErros : public QDialog {
    Q_OBJECT
public:
    TFrmErros(const QString& logPath, const QString& filePath, bool planning,
              QWidget* parent = nullptr);

    const std::vector<ErrorLog::Entry>& entries() const { return entries_; }
    // Shows the record of the error in row `row` of the table.
    void selectError(int row);
    QString recordText() const;

private:
    void showRecord(int row);
    QString filePath_;
    bool planning_;
    std::vector<ErrorLog::Entry> entries_;
    QTableWidget* tblErros = nullptr;
    QLabel* lblRegistro = nullptr;
    QPlainTextEdit* edtRegistro = nullptr;
};
