#include "app/windows/TFrmErros.h"

#include <QFileInfo>
#include <QFontDatabase>
#include <QHeaderView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSplitter>
#include <QTableWidget>
#include <QVBoxLayout>

#include "app/RecordFinder.h"
#include "output/EnvironmentError.h"

namespace {

// Two lines of column numbers over a fixed-width record: tens, then units.
QString ruler(int width) {
    QString tens, units;
    for (int col = 1; col <= width; ++col) {
        tens += col % 10 == 0 ? QString::number(col / 10 % 10) : QStringLiteral(" ");
        units += QString::number(col % 10);
    }
    return tens + u'\n' + units;
}

}  // namespace

TFrmErros::TFrmErros(const QString& logPath, const QString& filePath, bool planning,
                     QWidget* parent)
    : QDialog(parent), filePath_(filePath), planning_(planning) {
    setObjectName(QStringLiteral("FrmErros"));
    setWindowTitle(QStringLiteral("Erros de ") + QFileInfo(filePath).fileName());
    resize(980, 560);

    tblErros = new QTableWidget(this);
    tblErros->setObjectName(QStringLiteral("tblErros"));
    tblErros->setColumnCount(6);
    tblErros->setHorizontalHeaderLabels({QStringLiteral("Registro"), QStringLiteral("Sequência"),
                                         QStringLiteral("Erro"), QStringLiteral("Descrição"),
                                         QStringLiteral("Arquivo"), QStringLiteral("Campo")});
    tblErros->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tblErros->setSelectionBehavior(QAbstractItemView::SelectRows);
    tblErros->setSelectionMode(QAbstractItemView::SingleSelection);
    tblErros->verticalHeader()->setVisible(false);
    tblErros->horizontalHeader()->setStretchLastSection(true);

    lblRegistro = new QLabel(this);
    lblRegistro->setObjectName(QStringLiteral("lblRegistro"));
    edtRegistro = new QPlainTextEdit(this);
    edtRegistro->setObjectName(QStringLiteral("edtRegistro"));
    edtRegistro->setReadOnly(true);
    edtRegistro->setLineWrapMode(QPlainTextEdit::NoWrap);
    edtRegistro->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));

    auto* lower = new QWidget(this);
    auto* lowerCol = new QVBoxLayout(lower);
    lowerCol->setContentsMargins(0, 0, 0, 0);
    lowerCol->addWidget(lblRegistro);
    lowerCol->addWidget(edtRegistro);
    auto* splitter = new QSplitter(Qt::Vertical, this);
    splitter->addWidget(tblErros);
    splitter->addWidget(lower);
    splitter->setStretchFactor(0, 3);
    splitter->setStretchFactor(1, 1);
    auto* close = new QPushButton(QStringLiteral("Fechar"), this);
    connect(close, &QPushButton::clicked, this, &QDialog::close);
    auto* col = new QVBoxLayout(this);
    col->addWidget(splitter, 1);
    col->addWidget(close, 0, Qt::AlignRight);

    try {
        entries_ = ErrorLog::read(logPath);
    } catch (const EnvironmentError& e) {
        lblRegistro->setText(e.message());
    }
    tblErros->setRowCount(int(entries_.size()));
    for (int r = 0; r < int(entries_.size()); ++r) {
        const ErrorLog::Entry& e = entries_[size_t(r)];
        const QStringList cells =
            e.parsed ? QStringList{e.recordType,
                                   QString::number(e.sequence),
                                   QString::number(e.code),
                                   e.description,
                                   e.table,
                                   e.field}
                     : QStringList{QString(), QString(), QString(), e.line, QString(), QString()};
        for (int c = 0; c < cells.size(); ++c)
            tblErros->setItem(r, c, new QTableWidgetItem(cells[c]));
    }
    tblErros->resizeColumnsToContents();
    connect(tblErros, &QTableWidget::currentCellChanged, this,
            [this](int row) { showRecord(row); });
    if (!entries_.empty())
        selectError(0);
}

void TFrmErros::selectError(int row) {
    tblErros->setCurrentCell(row, 0);
    showRecord(row);
}

QString TFrmErros::recordText() const {
    return edtRegistro->toPlainText();
}

void TFrmErros::showRecord(int row) {
    edtRegistro->clear();
    if (row < 0 || row >= int(entries_.size()))
        return;
    const ErrorLog::Entry& e = entries_[size_t(row)];
    if (!e.parsed) {
        lblRegistro->setText(QStringLiteral("Linha do log fora do formato esperado."));
        return;
    }
    try {
        const auto record = RecordFinder::findBySequence(filePath_, e.sequence, planning_);
        if (!record) {
            lblRegistro->setText(QStringLiteral("Nenhum registro com a sequência %1 em %2.")
                                     .arg(e.sequence)
                                     .arg(QFileInfo(filePath_).fileName()));
            return;
        }
        lblRegistro->setText(QStringLiteral("Registro da sequência %1 (linha %2 de %3, %4 "
                                            "caracteres):")
                                 .arg(e.sequence)
                                 .arg(record->lineNumber)
                                 .arg(QFileInfo(filePath_).fileName())
                                 .arg(record->text.size()));
        edtRegistro->setPlainText(ruler(int(record->text.size())) + u'\n' + record->text);
    } catch (const EnvironmentError& err) {
        lblRegistro->setText(err.message());
    }
}
