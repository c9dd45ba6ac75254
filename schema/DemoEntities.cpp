#include "schema/DemoData.h"
#include "settings/Transaction.h"

namespace DemoData {

void fillEntities(Context& c) {
    Statement entity = c.t.prepare(QStringLiteral(
        "INSERT INTO TABEMPRESA (EMPRESA, NOME, TIPO, CODAUDESP, CGC) VALUES (?, ?, ?, ?, ?)"));
    // The prefecture and the council report monthly, the funds by four-month period. Each
    // entity's court organ code is the organ its budget is kept under: the council 01, the
    // prefecture 02, education 03, health 04.
    entity.execute({"1", "PREFEITURA MUNICIPAL DE SÃO JOÃO D'ALIANÇA", "1", "2", "01234567000189"});
    entity.execute({"2", "CÂMARA MUNICIPAL DE SÃO JOÃO D'ALIANÇA", "1", "1", "01234567000270"});
    entity.execute({"3", "FUNDO MUNICIPAL DE SAÚDE", "2", "4", "01234567000351"});
    entity.execute({"4", "FUNDO MUNICIPAL DE EDUCAÇÃO - FUNDEB", "2", "3", "01234567000432"});
    c.t.execute(QStringLiteral("INSERT INTO CADCLI (CLNT1, CGC, PREN, CPFPRE, CONN, CPFCON) "
                               "VALUES (?, ?, ?, ?, ?, ?)"),
                {"SÃO JOÃO D'ALIANÇA", "01.234.567/0001-89", "JOSÉ DA CONCEIÇÃO", "123.456.789-01",
                 "MARIA APARECIDA GONÇALVES", "987.654.321-00"});
}

}  // namespace DemoData
