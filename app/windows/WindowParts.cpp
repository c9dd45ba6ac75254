#include "app/windows/WindowParts.h"

#include <QLabel>
#include <QPushButton>

namespace WindowParts {

QPushButton* button(QWidget* parent, const QString& objectName, const QString& caption) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(objectName);
    b->setAutoDefault(false);
    b->setDefault(false);
    return b;
}

QLabel* header(QWidget* parent, const QString& text) {
    auto* l = new QLabel(text, parent);
    l->setObjectName(QStringLiteral("cabecalho"));
    l->setStyleSheet(QStringLiteral(
        "QLabel { background-color: rgb(0, 128, 128); color: white; font-weight: bold; "
        "padding: 8px; }"));
    return l;
}

}  // namespace WindowParts
