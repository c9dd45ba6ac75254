#pragma once

#include <QString>
#include <functional>

class QWidget;

// Every message box of the maintenance windows goes through here, so that tests can record the
// messages instead of blocking on a modal box.
namespace Dialogs {

enum class Icon { Error, Warning, Information };

struct Message {
    Icon icon = Icon::Error;
    QString caption;
    QString text;
};

using Presenter = std::function<void(QWidget* parent, const Message& message)>;

// Replaces the presenter (message boxes by default) and answers the one it replaced.
Presenter setPresenter(Presenter presenter);

void show(QWidget* parent, Icon icon, const QString& caption, const QString& text);
// The standard error box of a failure.
void error(QWidget* parent, const QString& text);
// A warning with the caption "Atenção".
void warning(QWidget* parent, const QString& text);

}  // namespace Dialogs
