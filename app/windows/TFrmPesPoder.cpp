#include "app/windows/TFrmPesPoder.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStandardItemModel>
#include <QVBoxLayout>

#include "app/windows/DataGrid.h"
#include "app/windows/Dialogs.h"
#include "app/windows/WindowParts.h"
#include "settings/Database.h"
#include "settings/DbError.h"

namespace {

const QString kAll = QStringLiteral("select * from tabpoder order by nome ascending");
// The operator's text is a bound value: a quote in it is just a character of the name.
const QString kByName =
    QStringLiteral("SELECT * FROM TABPODER WHERE NOME LIKE ? ORDER BY NOME ASCENDING");

}  // namespace

TFrmPesPoder::TFrmPesPoder(QWidget* parent, Database& database)
    : QDialog(parent),
      database_(database),
      edit1_(new QLineEdit(this)),
      r1_(new QRadioButton(QStringLiteral("&Contém"), this)),
      r2_(new QRadioButton(QStringLiteral("C&omeça"), this)),
      grid_(new DataGrid(this)),
      model_(new QStandardItemModel(0, 2, this)) {
    setObjectName(QStringLiteral("FrmPesPoder"));
    setWindowTitle(QStringLiteral("Pesquisa Poder"));
    resize(560, 420);
    edit1_->setObjectName(QStringLiteral("Edit1"));
    r1_->setObjectName(QStringLiteral("r1"));
    r2_->setObjectName(QStringLiteral("r2"));
    r1_->setChecked(true);
    pesquisa_ = WindowParts::button(this, QStringLiteral("Pesquisa"), QStringLiteral("&Pesquisar"));
    confirmar_ =
        WindowParts::button(this, QStringLiteral("confirmar"), QStringLiteral("&Confirmar"));
    cancelar_ = WindowParts::button(this, QStringLiteral("cancelar"), QStringLiteral("Cancela&r"));
    model_->setHorizontalHeaderLabels({QStringLiteral("Poder"), QStringLiteral("Descrição")});
    grid_->setModel(model_);
    grid_->horizontalHeader()->resizeSection(1, 380);

    auto* top = new QHBoxLayout;
    top->addWidget(pesquisa_);
    top->addWidget(edit1_, 1);
    top->addWidget(r1_);
    top->addWidget(r2_);
    auto* bottom = new QHBoxLayout;
    bottom->addStretch();
    bottom->addWidget(confirmar_);
    bottom->addWidget(cancelar_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(WindowParts::header(this, QStringLiteral("Pesquisa Poder")));
    layout->addLayout(top);
    layout->addWidget(grid_, 1);
    layout->addLayout(bottom);

    connect(edit1_, &QLineEdit::textEdited, this, [this](const QString& text) {
        const QString upper = text.toUpper();
        if (upper != text) {
            const int pos = edit1_->cursorPosition();
            edit1_->setText(upper);
            edit1_->setCursorPosition(pos);
        }
    });
    connect(edit1_, &QLineEdit::returnPressed, this, &TFrmPesPoder::pesquisar);
    connect(pesquisa_, &QPushButton::clicked, this, &TFrmPesPoder::pesquisar);
    connect(confirmar_, &QPushButton::clicked, this, &TFrmPesPoder::confirmar);
    connect(cancelar_, &QPushButton::clicked, this, &QDialog::reject);
}

void TFrmPesPoder::start() {
    edit1_->setFocus();
    list(kAll, {});
}

void TFrmPesPoder::list(const QString& sql, const QStringList& params) {
    model_->removeRows(0, model_->rowCount());
    try {
        Transaction t = database_.begin(TransactionMode::ReadOnly);
        Statement s = t.prepare(sql);
        Cursor c = s.open(params);
        while (c.next()) {
            auto* poder = new QStandardItem(c.text(QStringLiteral("PODER")));
            auto* nome = new QStandardItem(c.text(QStringLiteral("NOME")));
            poder->setEditable(false);
            nome->setEditable(false);
            model_->appendRow({poder, nome});
        }
    } catch (const EnvironmentError& e) {
        model_->removeRows(0, model_->rowCount());
        Dialogs::error(this, e.message());
    }
    if (model_->rowCount() > 0)
        grid_->setCurrentIndex(model_->index(0, 0));
}

void TFrmPesPoder::pesquisar() {
    const QString text = edit1_->text();
    if (text.trimmed().isEmpty())
        list(kAll, {});
    else
        list(kByName, {(r1_->isChecked() ? QStringLiteral("%") : QString()) + text + u'%'});
    confirmar_->setEnabled(model_->rowCount() > 0);
}

void TFrmPesPoder::confirmar() {
    if (model_->rowCount() > 0) {
        const int row = grid_->currentIndex().isValid() ? grid_->currentIndex().row() : 0;
        chosen_ = model_->item(row, 0)->text();
    }
    accept();
}
