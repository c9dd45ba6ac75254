#include "app/windows/MaintenanceMenu.h"

#include "app/windows/Dialogs.h"
#include "app/windows/TFrmIde.h"
#include "app/windows/TFrmParamOrgao.h"
#include "app/windows/TFrmRelac.h"
#include "app/windows/TFrmTipo.h"
#include "settings/Conexao.h"
#include "settings/DbError.h"

namespace {

template <typename Window, typename... Args>
void runModal(QWidget* parent, Conexao& conexao, Args&&... args) {
    Database* database = nullptr;
    try {
        database = &conexao.database();
    } catch (const EnvironmentError& e) {
        Dialogs::error(parent, e.message());
        return;
    }
    Window window(parent, *database, std::forward<Args>(args)...);
    if (window.start())
        window.exec();
}

}  // namespace

void openTipoWindow(QWidget* parent, Conexao& conexao) {
    runModal<TFrmTipo>(parent, conexao);
}

void openRelacWindow(QWidget* parent, Conexao& conexao) {
    runModal<TFrmRelac>(parent, conexao);
}

void openParamOrgaoWindow(QWidget* parent, Conexao& conexao, const QString& iniPath) {
    runModal<TFrmParamOrgao>(parent, conexao, iniPath);
}

void openIdeWindow(QWidget* parent, Conexao& conexao, const QString& iniPath) {
    runModal<TFrmIde>(parent, conexao, iniPath);
}
