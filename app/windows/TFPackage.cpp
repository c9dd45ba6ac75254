#include "app/windows/TFPackage.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>

#ifndef VOLD_UNITS
#define VOLD_UNITS ""
#endif

TFPackage::TFPackage(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("FPackage"));
    setWindowTitle(QStringLiteral("Informações do Pacote"));
    resize(420, 520);
    auto* list = new QListWidget(this);
    list->setObjectName(QStringLiteral("lstUnits"));
    list->addItems(units());
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    auto* col = new QVBoxLayout(this);
    col->addWidget(new QLabel(QStringLiteral("Unidades contidas no programa:"), this));
    col->addWidget(list, 1);
    col->addWidget(buttons);
}

QStringList TFPackage::units() {
    return QString::fromUtf8(VOLD_UNITS).split(u',', Qt::SkipEmptyParts);
}
