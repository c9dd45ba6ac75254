#pragma once

#include <QLabel>
#include <QString>

class QPushButton;
class QWidget;

// The pieces every maintenance window is made of.
namespace WindowParts {

// A push button that Enter never presses on its own: Enter belongs to the grid's cell editor.
QPushButton* button(QWidget* parent, const QString& objectName, const QString& caption);
// The coloured band at the top of the window.
QLabel* header(QWidget* parent, const QString& text);

}  // namespace WindowParts
