#include "app/windows/TFrmRelac.h"

#include <QKeyEvent>
#include <QPushButton>

#include "app/windows/DataGrid.h"
#include "app/windows/Dialogs.h"
#include "app/windows/TFrmPesPoder.h"
#include "app/windows/WindowParts.h"

TFrmRelac::TFrmRelac(QWidget* parent, Database& database)
    : EntityColumnWindow(parent, database, QStringLiteral("Relacionamento entre Entidade e Poder"),
                         QStringLiteral("CODAUDESP"), QStringLiteral("Poder")) {
    setObjectName(QStringLiteral("FrmRelac"));
    pesquisa_ = WindowParts::button(this, QStringLiteral("Pesquisa"),
                                    QStringLiteral("Pesquisa Poder (F1)"));
    connect(pesquisa_, &QPushButton::clicked, this, &TFrmRelac::pesquisar);
    setEditingControl(pesquisa_);
    grid()->installEventFilter(this);
}

bool TFrmRelac::eventFilter(QObject* watched, QEvent* event) {
    if (watched == grid() && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_F1) {
        if (pesquisa_->isEnabled())
            pesquisa_->click();
        return true;
    }
    return EntityColumnWindow::eventFilter(watched, event);
}

void TFrmRelac::pesquisar() {
    std::optional<QString> chosen;
    {
        TFrmPesPoder search(this, database());
        search.start();
        search.exec();
        chosen = search.chosenPower();
    }
    if (!chosen)
        return;
    if (!isEditing()) {
        Dialogs::error(this, QStringLiteral("O campo 'CODAUDESP' não pode ser modificado."));
        return;
    }
    setCurrentValue(*chosen);
}
