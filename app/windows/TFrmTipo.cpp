#include "app/windows/TFrmTipo.h"

#include <QMenu>
#include <QPushButton>

#include "app/windows/WindowParts.h"

TFrmTipo::TFrmTipo(QWidget* parent, Database& database)
    : EntityColumnWindow(parent, database, QStringLiteral("Tipos de Entidade"),
                         QStringLiteral("TIPO"), QStringLiteral("Tipo")) {
    setObjectName(QStringLiteral("FrmTipo"));
    tipo_ = WindowParts::button(this, QStringLiteral("tipo"), QStringLiteral("&Tipos de Entidade"));
    menu_ = new QMenu(tipo_);
    menu_->setObjectName(QStringLiteral("PopupMenu1"));
    static const std::pair<const char*, const char*> kTypes[] = {
        {"01", "0&1 - Administração Direta Prefeitura (Executivo)"},
        {"02", "0&2 - Legislativo (Câmara)"},
        {"03", "0&3 - FUNDEF"},
        {"04", "0&4 - Administração Direta Fundo Especial"},
        {"05", "0&5 - Administração Indireta Autarquia"},
        {"06", "0&6 - Administração Indireta Fundação"},
        {"07", "0&7 - Empresas Públicas"},
        {"08", "0&8 - Soc.Economia Mista"},
        {"09", "0&9 - Previdência Municipal (Regimes Próprios)"},
        {"10", "1&0 - Fundo Municipal de Saúde - FMS"},
        {"99", "99 - &Outros"},
    };
    for (const auto& [value, caption] : kTypes) {
        QAction* a = menu_->addAction(QString::fromUtf8(caption));
        a->setObjectName(QStringLiteral("tipo") + QLatin1String(value));
        a->setData(QLatin1String(value));
        // Outside editing the items change nothing.
        connect(a, &QAction::triggered, this, [this, a] { setCurrentValue(a->data().toString()); });
    }
    tipo_->setMenu(menu_);
    setEditingControl(tipo_);
}
