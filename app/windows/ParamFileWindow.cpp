#include "app/windows/ParamFileWindow.h"

#include <QFile>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/windows/CellText.h"
#include "app/windows/DataGrid.h"
#include "app/windows/Dialogs.h"
#include "app/windows/WindowParts.h"
#include "output/EnvironmentError.h"
#include "settings/Database.h"
#include "settings/DirectoryResolver.h"

ParamFileWindow::ParamFileWindow(QWidget* parent, Database& database, const QString& iniPath,
                                 Setup setup)
    : QDialog(parent),
      database_(database),
      iniPath_(iniPath),
      setup_(std::move(setup)),
      model_(new DataPacketModel(setup_.columns, this)),
      grid_(new DataGrid(this)) {
    setWindowTitle(setup_.caption);
    resize(900, 480);
    model_->setRequiredField(setup_.requiredField);
    model_->setRefusalHandler([this](const QString& m) { Dialogs::error(this, m); });
    grid_->setModel(model_);

    alterar_ = WindowParts::button(this, QStringLiteral("alterar"), QStringLiteral("&Alterar"));
    confirmar_ =
        WindowParts::button(this, QStringLiteral("confirmar"), QStringLiteral("&Confirmar"));
    cancelar_ = WindowParts::button(this, QStringLiteral("cancelar"), setup_.cancelCaption);

    auto* top = new QHBoxLayout;
    top->addWidget(alterar_);
    top->addStretch();
    auto* bottom = new QHBoxLayout;
    bottom->addStretch();
    bottom->addWidget(confirmar_);
    bottom->addWidget(cancelar_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(WindowParts::header(this, setup_.header));
    layout->addLayout(top);
    layout->addWidget(grid_, 1);
    layout->addLayout(bottom);

    connect(alterar_, &QPushButton::clicked, this, &ParamFileWindow::alterar);
    connect(confirmar_, &QPushButton::clicked, this, &ParamFileWindow::confirmar);
    connect(cancelar_, &QPushButton::clicked, this, &ParamFileWindow::cancelar);
    setEditing(false);
}

bool ParamFileWindow::isEditing() const {
    return grid_->isEditing();
}

bool ParamFileWindow::start() {
    try {
        filePath_ =
            DirectoryResolver::ResolveDiretorio(iniPath_, QStringLiteral("D")) + setup_.fileName;
        if (!QFile::exists(filePath_)) {
            Transaction t = database_.begin(TransactionMode::ReadOnly);
            const DataPacket seeded = setup_.seed(t);
            t.commit();
            seeded.save(filePath_);
        }
        model_->setPacket(loadFile());
    } catch (const EnvironmentError& e) {
        Dialogs::error(this, e.message());
        return false;
    }
    setEditing(false);
    return true;
}

DataPacket ParamFileWindow::loadFile() const {
    DataPacket packet = DataPacket::load(filePath_);
    if (setup_.fixedFields) {
        for (const DataPacketModel::Column& c : setup_.columns) {
            if (packet.fieldIndex(c.field) < 0) {
                throw ParamFileError(
                    QStringLiteral("Campo '%1' não encontrado no arquivo de parâmetros %2")
                        .arg(c.field, filePath_));
            }
        }
    }
    return packet;
}

bool ParamFileWindow::reload() {
    try {
        DataPacket packet = loadFile();
        grid_->discardPendingEdit();
        const QModelIndex current = grid_->currentIndex();
        model_->setPacket(std::move(packet));
        if (current.isValid() && current.row() < model_->rowCount())
            grid_->setCurrentIndex(model_->index(current.row(), current.column()));
        return true;
    } catch (const EnvironmentError& e) {
        Dialogs::error(this, e.message());
        return false;
    }
}

void ParamFileWindow::setEditing(bool editing) {
    model_->setEditable(editing);
    grid_->setEditing(editing);
    alterar_->setEnabled(!editing);
    confirmar_->setEnabled(editing);
    cancelar_->setEnabled(editing);
}

void ParamFileWindow::alterar() {
    setEditing(true);
}

bool ParamFileWindow::confirmar() {
    grid_->commitPendingEdit();
    if (model_->rowCount() == 0) {
        Dialogs::error(this, QStringLiteral("É necessário abrir o Arquivo."));
        return false;
    }
    const std::vector<int> missing = model_->rowsMissingRequired();
    if (!missing.empty()) {
        grid_->setCurrentIndex(model_->index(missing.front(), 0));
        Dialogs::error(this, CellText::requiredMessage(setup_.requiredField));
        return false;
    }
    // The file keeps the fields as they are, none of them mandatory.
    const DataPacket& shown = model_->packet();
    DataPacket copy;
    for (DataPacket::Field f : shown.fields()) {
        f.required = false;
        copy.addField(f);
    }
    for (int r = 0; r < shown.rowCount(); ++r)
        copy.addRow(shown.row(r));
    try {
        copy.save(filePath_);
    } catch (const EnvironmentError& e) {
        Dialogs::error(this, e.message());
        return false;  // still editing, the edits kept
    }
    Dialogs::warning(this, QStringLiteral("Arquivo Salvo com Sucesso!"));
    cancelar();
    return true;
}

void ParamFileWindow::cancelar() {
    // Leaving editing shows the file as it is; if it cannot be read the edits stay on screen.
    if (!reload())
        return;
    setEditing(false);
}

void ParamFileWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        // Closing would drop the edits: Esc only cancels where the window says so.
        if (setup_.escapeCancels && cancelar_->isEnabled())
            cancelar_->click();
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}
