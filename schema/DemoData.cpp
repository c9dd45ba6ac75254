#include "schema/DemoData.h"

#include "params/DataPacket.h"
#include "settings/Transaction.h"

namespace DemoData {

void fill(Transaction& t, int /*year*/, int /*scale*/, quint32 /*seed*/) {
    Statement entity = t.prepare(QStringLiteral(
        "INSERT INTO TABEMPRESA (EMPRESA, NOME, TIPO, CODAUDESP, CGC) VALUES (?, ?, ?, ?, ?)"));
    entity.execute({"1", "PREFEITURA MUNICIPAL DE SÃO JOÃO D'ALIANÇA", "1", "1", "01234567000189"});
    entity.execute({"2", "CÂMARA MUNICIPAL DE SÃO JOÃO D'ALIANÇA", "1", "2", "01234567000270"});
    entity.execute({"3", "FUNDO MUNICIPAL DE SAÚDE", "2", "3", "01234567000351"});
    t.execute(QStringLiteral(
                  "INSERT INTO CADCLI (CLNT1, CGC, PREN, CPFPRE, CONN, CPFCON) VALUES (?, ?, ?, ?, "
                  "?, ?)"),
              {"SÃO JOÃO D'ALIANÇA", "01.234.567/0001-89", "JOSÉ DA CONCEIÇÃO", "123.456.789-01",
               "MARIA APARECIDA GONÇALVES", "987.654.321-00"});
}

void completeParamFiles(DataPacket* orgao, DataPacket* munic) {
    for (int r = 0; r < orgao->rowCount(); ++r) {
        orgao->setValue(r, QStringLiteral("CPFGESTOR"), QStringLiteral("12345678901"));
        orgao->setValue(r, QStringLiteral("NOMEGESTOR"), QStringLiteral("JOSÉ DA CONCEIÇÃO"));
    }
    if (munic->rowCount() > 0)
        munic->setValue(0, QStringLiteral("CODMUNIC"), QStringLiteral("0052"));
}

}  // namespace DemoData
