#include "app/windows/Dialogs.h"

#include <QMessageBox>

namespace Dialogs {

namespace {

void messageBox(QWidget* parent, const Message& m) {
    const QMessageBox::Icon icon = m.icon == Icon::Error     ? QMessageBox::Critical
                                   : m.icon == Icon::Warning ? QMessageBox::Warning
                                                             : QMessageBox::Information;
    QMessageBox box(icon, m.caption, m.text, QMessageBox::Ok, parent);
    box.exec();
}

Presenter& presenter() {
    static Presenter p = messageBox;
    return p;
}

}  // namespace

Presenter setPresenter(Presenter p) {
    Presenter previous = std::move(presenter());
    presenter() = p ? std::move(p) : Presenter(messageBox);
    return previous;
}

void show(QWidget* parent, Icon icon, const QString& caption, const QString& text) {
    presenter()(parent, Message{icon, caption, text});
}

void error(QWidget* parent, const QString& text) {
    show(parent, Icon::Error, QStringLiteral("Erro"), text);
}

void warning(QWidget* parent, const QString& text) {
    show(parent, Icon::Warning, QStringLiteral("Atenção"), text);
}

}  // namespace Dialogs
