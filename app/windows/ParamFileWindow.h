#pragma once

#include <QDialog>
#include <functional>

#include "app/windows/DataPacketModel.h"

class Database;
class DataGrid;
class QLabel;
class QPushButton;
class Transaction;

// A window over one parameter file of the year's data folder: created from the database on first
// opening, shown in a grid, edited in place and saved whole on confirmation.
class ParamFileWindow : public QDialog {
    Q_OBJECT
public:
    struct Setup {
        QString caption;
        QString header;
        QString fileName;
        std::function<DataPacket(Transaction&)> seed;
        std::vector<DataPacketModel::Column> columns;
        QString cancelCaption;
        bool escapeCancels = false;
        QString requiredField;
        // The file must hold every column of the grid.
        bool fixedFields = false;
    };

    // Seeds the file if it is absent and loads it. False when that failed (the error was shown).
    bool start();

    const QString& filePath() const { return filePath_; }
    bool isEditing() const;
    DataGrid* grid() const { return grid_; }
    DataPacketModel* model() const { return model_; }

    void alterar();
    // Saves every row; false when nothing was saved.
    bool confirmar();
    void cancelar();

protected:
    ParamFileWindow(QWidget* parent, Database& database, const QString& iniPath, Setup setup);
    void keyPressEvent(QKeyEvent* event) override;

private:
    DataPacket loadFile() const;
    bool reload();
    void setEditing(bool editing);

    Database& database_;
    QString iniPath_;
    Setup setup_;
    QString filePath_;
    DataPacketModel* model_;
    DataGrid* grid_;
    QPushButton* alterar_;
    QPushButton* confirmar_;
    QPushButton* cancelar_;
};
