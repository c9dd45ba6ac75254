#include "app/windows/TFrmParamOrgao.h"

#include "params/ParamFiles.h"

namespace {

ParamFileWindow::Setup setup() {
    ParamFileWindow::Setup s;
    s.caption = QStringLiteral("Paramêtros do Arquivo Orgao.txt");
    s.header = QStringLiteral("Relacionamento entre Entidade e Poder");
    s.fileName = ParamFiles::kOrgaoFile;
    s.seed = ParamFiles::seedOrgao;
    s.cancelCaption = QStringLiteral("Cancela&r");
    // CODPODER, the key of the row, is kept as seeded and not shown.
    s.columns = {
        {QStringLiteral("Cód.Org."), QStringLiteral("CODORGAO")},
        {QStringLiteral("CPF Gestor"), QStringLiteral("CPFGESTOR")},
        {QStringLiteral("Descr. Orgão"), QStringLiteral("DESCORGAO")},
        {QStringLiteral("Tipo do Orgão"), QStringLiteral("TIPOORGAO")},
        {QStringLiteral("CNPJ Orgão"), QStringLiteral("CNPJORGAO")},
        {QStringLiteral("Nome Gestor"), QStringLiteral("NOMEGESTOR")},
        {QStringLiteral("Logradouro do Gestor"), QStringLiteral("LOGRARESGESTOR")},
        {QStringLiteral("Setor Logradouro Gestor"), QStringLiteral("SETORLOGRAGESTOR")},
        {QStringLiteral("Cidade Gestor"), QStringLiteral("CIDADELOGRAGESTOR")},
        {QStringLiteral("UF"), QStringLiteral("UFCIDADELOGRAGESTOR")},
        {QStringLiteral("CEP"), QStringLiteral("CEPLOGRAGESTOR")},
        {QStringLiteral("Nome Contador"), QStringLiteral("NOMECONTADOR")},
        {QStringLiteral("CPF Contador"), QStringLiteral("CPFCONTADOR")},
        {QStringLiteral("CRC Contador"), QStringLiteral("CRCCONTADOR")},
        {QStringLiteral("UF CRC Contador"), QStringLiteral("UFCRCCONTADOR")},
        {QStringLiteral("Nome Controle Interno"), QStringLiteral("NOMECONTROLEINTERNO")},
        {QStringLiteral("CPF"), QStringLiteral("CPFCONTROLEINTERNO")},
    };
    return s;
}

}  // namespace

TFrmParamOrgao::TFrmParamOrgao(QWidget* parent, Database& database, const QString& iniPath)
    : ParamFileWindow(parent, database, iniPath, setup()) {
    setObjectName(QStringLiteral("FrmParamOrgao"));
}
