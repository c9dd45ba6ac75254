#pragma once

#include "app/windows/EntityColumnWindow.h"

class QMenu;
class QPushButton;

// Sets the type of every entity (TABEMPRESA.TIPO), typed or chosen from the court's list.
class TFrmTipo : public EntityColumnWindow {
    Q_OBJECT
public:
    TFrmTipo(QWidget* parent, Database& database);

    QPushButton* tipoButton() const { return tipo_; }
    QMenu* menu() const { return menu_; }

private:
    QPushButton* tipo_;
    QMenu* menu_;
};
