#include "app/windows/EntityColumnWindow.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/EntityList.h"
#include "app/windows/DataGrid.h"
#include "app/windows/Dialogs.h"
#include "app/windows/WindowParts.h"
#include "settings/Database.h"
#include "settings/DbError.h"

EntityColumnWindow::EntityColumnWindow(QWidget* parent, Database& database, const QString& caption,
                                       const QString& column, const QString& columnTitle)
    : QDialog(parent),
      database_(database),
      model_(new EntityTableModel(column, columnTitle, this)),
      grid_(new DataGrid(this)),
      top_(new QHBoxLayout) {
    setWindowTitle(caption);
    resize(640, 420);
    model_->setRefusalHandler([this](const QString& m) { Dialogs::error(this, m); });
    grid_->setModel(model_);
    grid_->horizontalHeader()->resizeSection(1, 360);

    alterar_ = WindowParts::button(this, QStringLiteral("alterar"), QStringLiteral("&Alterar"));
    confirmar_ =
        WindowParts::button(this, QStringLiteral("confirmar"), QStringLiteral("&Confirmar"));
    cancelar_ = WindowParts::button(this, QStringLiteral("cancelar"), QStringLiteral("Cancela&r"));
    top_->addWidget(alterar_);
    top_->addStretch();
    auto* bottom = new QHBoxLayout;
    bottom->addStretch();
    bottom->addWidget(confirmar_);
    bottom->addWidget(cancelar_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(WindowParts::header(this, caption));
    layout->addLayout(top_);
    layout->addWidget(grid_, 1);
    layout->addLayout(bottom);

    connect(alterar_, &QPushButton::clicked, this, &EntityColumnWindow::alterar);
    connect(confirmar_, &QPushButton::clicked, this, &EntityColumnWindow::confirmar);
    connect(cancelar_, &QPushButton::clicked, this, &EntityColumnWindow::cancelar);
    // Leaving a row posts its edit into the cache.
    connect(grid_->selectionModel(), &QItemSelectionModel::currentRowChanged, model_,
            [this] { model_->post(); });
    setEditing(false);
    confirmar_->setEnabled(false);
    cancelar_->setEnabled(false);
}

void EntityColumnWindow::setEditingControl(QWidget* control) {
    editingControl_ = control;
    top_->insertWidget(1, control);
    control->setEnabled(false);
}

bool EntityColumnWindow::start() {
    try {
        model_->setRows(EntityList::load(database_));
    } catch (const EnvironmentError& e) {
        Dialogs::error(this, e.message());
        return false;
    }
    if (model_->rowCount() > 0)
        grid_->setCurrentIndex(model_->index(0, EntityTableModel::EditedColumn));
    return true;
}

void EntityColumnWindow::setEditing(bool editing) {
    model_->setEditable(editing);
    grid_->setEditing(editing);
}

void EntityColumnWindow::alterar() {
    setEditing(true);
    alterar_->setEnabled(false);
    cancelar_->setEnabled(true);
    confirmar_->setEnabled(true);
    if (editingControl_)
        editingControl_->setEnabled(true);
}

bool EntityColumnWindow::confirmar() {
    grid_->commitPendingEdit();
    model_->post();
    const std::vector<int> changed = model_->changedRows();
    struct Failure {
        int row;
        QString message;
    };
    std::vector<Failure> failures;
    try {
        Transaction t = database_.begin(TransactionMode::ReadWrite);
        // The row is written only if nobody changed the column since it was read.
        Statement update = t.prepare(QStringLiteral("UPDATE TABEMPRESA SET %1 = ? WHERE EMPRESA = "
                                                    "? AND %1 IS NOT DISTINCT FROM ?")
                                         .arg(model_->column()));
        for (int row : changed) {
            try {
                const quint64 n =
                    update.execute({model_->value(row).value_or(QString()), model_->empresa(row),
                                    model_->original(row).value_or(QString())});
                if (n != 1) {
                    failures.push_back(
                        {row, QStringLiteral("Registro não encontrado ou alterado por outro "
                                             "usuário.")});
                }
            } catch (const DbError& e) {
                failures.push_back({row, e.databaseMessage()});
            }
        }
        if (failures.empty())
            t.commit();
    } catch (const DbError& e) {
        failures.push_back({-1, e.databaseMessage()});
    } catch (const EnvironmentError& e) {
        failures.push_back({-1, e.message()});
    }
    if (!failures.empty()) {
        // Rolled back as a whole: every edit stays here, so that a later confirmation writes it.
        QString text = QStringLiteral("As alterações não foram gravadas.");
        for (const Failure& f : failures) {
            text += QStringLiteral("\n\n");
            if (f.row >= 0)
                text += QStringLiteral("Entidade %1: ").arg(model_->empresa(f.row));
            text += f.message;
        }
        if (failures.front().row >= 0) {
            grid_->setCurrentIndex(
                model_->index(failures.front().row, EntityTableModel::EditedColumn));
        }
        Dialogs::error(this, text);
        return false;
    }
    model_->acceptChanges();
    setEditing(false);
    alterar_->setEnabled(true);
    cancelar_->setEnabled(false);
    confirmar_->setEnabled(false);
    return true;
}

void EntityColumnWindow::cancelar() {
    grid_->discardPendingEdit();
    model_->cancelPending();
    setEditing(false);
    alterar_->setEnabled(true);
    cancelar_->setEnabled(false);
    confirmar_->setEnabled(false);
    if (editingControl_)
        editingControl_->setEnabled(false);
}

bool EntityColumnWindow::setCurrentValue(const QString& text) {
    const QModelIndex current = grid_->currentIndex();
    if (!isEditing() || model_->rowCount() == 0 || !current.isValid())
        return false;
    grid_->discardPendingEdit();
    return model_->setValue(current.row(), text);
}

void EntityColumnWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        event->accept();  // closing would drop the edits
        return;
    }
    QDialog::keyPressEvent(event);
}
