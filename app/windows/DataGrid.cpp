#include "app/windows/DataGrid.h"

#include <QHeaderView>

#include "app/windows/GridDelegate.h"

DataGrid::DataGrid(QWidget* parent) : QTableView(parent), delegate_(new GridDelegate(this)) {
    setObjectName(QStringLiteral("DBGrid1"));
    setItemDelegate(delegate_);
    setAlternatingRowColors(false);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setTabKeyNavigation(false);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    horizontalHeader()->setHighlightSections(false);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    setEditing(false);
}

void DataGrid::setEditing(bool editing) {
    if (!editing)
        commitPendingEdit();
    editing_ = editing;
    setSelectionBehavior(editing ? QAbstractItemView::SelectItems : QAbstractItemView::SelectRows);
    setEditTriggers(editing ? QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                                  QAbstractItemView::AnyKeyPressed
                            : QAbstractItemView::NoEditTriggers);
    const QModelIndex current = currentIndex();
    if (current.isValid() && selectionModel()) {
        selectionModel()->select(
            current, editing ? QItemSelectionModel::ClearAndSelect
                             : QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    }
}

void DataGrid::commitPendingEdit() {
    delegate_->commitOpenEditor();
}

void DataGrid::discardPendingEdit() {
    delegate_->discardOpenEditor();
}
