#pragma once

#include <QTableView>

class GridDelegate;

// The grid of the maintenance windows. Browsing selects whole rows and edits nothing; editing
// edits single cells. Rows are never added from the grid.
class DataGrid : public QTableView {
    Q_OBJECT
public:
    explicit DataGrid(QWidget* parent = nullptr);

    void setEditing(bool editing);
    bool isEditing() const { return editing_; }
    // The open cell editor's text goes to the model before anything reads it.
    void commitPendingEdit();
    void discardPendingEdit();

private:
    GridDelegate* delegate_;
    bool editing_ = false;
};
