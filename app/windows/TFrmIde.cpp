#include "app/windows/TFrmIde.h"

#include "params/ParamFiles.h"

namespace {

ParamFileWindow::Setup setup() {
    ParamFileWindow::Setup s;
    s.caption = QStringLiteral("Parâmetros de Identificação do Município");
    s.header = QStringLiteral("Parâmetros de Identificação do Município");
    s.fileName = ParamFiles::kMunicFile;
    s.seed = ParamFiles::seedMunic;
    s.cancelCaption = QStringLiteral("&Cancelar");
    s.escapeCancels = true;
    s.fixedFields = true;
    s.requiredField = QStringLiteral("CNPJ");
    s.columns = {
        {QStringLiteral("Cód.Munic."), QStringLiteral("CODMUNIC"), 4},
        {QStringLiteral("Nome do Município"), QStringLiteral("NOMEMUNICIPIO"), 35},
        {QStringLiteral("CNPJ"), QStringLiteral("CNPJ"), 18},
        {QStringLiteral("Prefeito"), QStringLiteral("NOMEPREFEITO"), 30},
        {QStringLiteral("CPF Prefeito"), QStringLiteral("CPFPREFEITO"), 25},
        {QStringLiteral("Presidente Camara"), QStringLiteral("PRESIDENTECAMARA"), 45},
        {QStringLiteral("CPF Presidente Camara"), QStringLiteral("CPFPRESIDENTECAMARA"), 14},
        {QStringLiteral("Contador"), QStringLiteral("NOMECONTADOR"), 30},
        {QStringLiteral("CPF Contador"), QStringLiteral("CPFCONTADOR"), 25},
        {QStringLiteral("CRC Contador"), QStringLiteral("CRCCONTADOR"), 11},
        {QStringLiteral("UF CRC Contador"), QStringLiteral("UFCRCCONTADOR"), 2},
    };
    return s;
}

}  // namespace

TFrmIde::TFrmIde(QWidget* parent, Database& database, const QString& iniPath)
    : ParamFileWindow(parent, database, iniPath, setup()) {
    setObjectName(QStringLiteral("FrmIde"));
}
