#pragma once

#include <QDialog>

#include "app/windows/EntityTableModel.h"

class Database;
class DataGrid;
class QHBoxLayout;
class QPushButton;

// A window over the entities of TABEMPRESA that edits one of their integer columns. The edits are
// kept in the window until "&Confirmar" writes them all in one transaction; closing the window
// drops what was not written.
class EntityColumnWindow : public QDialog {
    Q_OBJECT
public:
    // Reads the entities. False when that failed (the error was shown).
    bool start();

    DataGrid* grid() const { return grid_; }
    EntityTableModel* model() const { return model_; }
    bool isEditing() const { return model_->isEditable(); }

    void alterar();
    // Writes every cached edit; false when nothing was written (the reason was shown).
    bool confirmar();
    void cancelar();

protected:
    EntityColumnWindow(QWidget* parent, Database& database, const QString& caption,
                       const QString& column, const QString& columnTitle);
    // The control beside "&Alterar" that editing enables.
    void setEditingControl(QWidget* control);
    QWidget* editingControl() const { return editingControl_; }
    // Sets the edited column of the current row while editing; false otherwise.
    bool setCurrentValue(const QString& text);
    Database& database() const { return database_; }
    void keyPressEvent(QKeyEvent* event) override;

private:
    void setEditing(bool editing);

    Database& database_;
    EntityTableModel* model_;
    DataGrid* grid_;
    QHBoxLayout* top_;
    QPushButton* alterar_;
    QPushButton* confirmar_;
    QPushButton* cancelar_;
    QWidget* editingControl_ = nullptr;
};
