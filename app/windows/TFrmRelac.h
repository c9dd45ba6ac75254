#pragma once

#include <functional>
#include <optional>

#include "app/windows/EntityColumnWindow.h"

class QPushButton;

// Relates every entity to its power (TABEMPRESA.CODAUDESP), typed or found by name.
class TFrmRelac : public EntityColumnWindow {
    Q_OBJECT
public:
    TFrmRelac(QWidget* parent, Database& database);

    QPushButton* pesquisaButton() const { return pesquisa_; }
    // Opens the power search and writes the chosen power into the current row.
    void pesquisar();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QPushButton* pesquisa_;
};
