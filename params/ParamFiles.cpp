#include "params/ParamFiles.h"

#include "settings/Transaction.h"

namespace ParamFiles {

const QString kSeedOrgaoSql = QStringLiteral(
    "SELECT CODAUDESP AS CODPODER,EMPRESA AS CODORGAO,CAST(NULL AS VARCHAR(11)) AS "
    "CPFGESTOR,NOME AS DESCORGAO,TIPO AS TIPOORGAO,CAST(CGC AS VARCHAR(14)) AS "
    "CNPJORGAO,CAST(NULL AS VARCHAR(45)) AS NOMEGESTOR,CAST(NULL AS VARCHAR(50)) AS "
    "LOGRARESGESTOR,CAST(NULL AS VARCHAR(20)) AS SETORLOGRAGESTOR,CAST(NULL AS VARCHAR(20)) AS "
    "CIDADELOGRAGESTOR,CAST(NULL AS VARCHAR(2)) AS UFCIDADELOGRAGESTOR,CAST(NULL AS VARCHAR(8)) "
    "AS CEPLOGRAGESTOR,CAST(NULL AS VARCHAR(45)) AS NOMECONTADOR,CAST(NULL AS VARCHAR(11)) AS "
    "CPFCONTADOR,CAST(NULL AS VARCHAR(11)) AS CRCCONTADOR,CAST(NULL AS VARCHAR(2)) AS "
    "UFCRCCONTADOR,CAST(NULL AS VARCHAR(45)) AS NOMECONTROLEINTERNO,CAST(NULL AS VARCHAR(11)) AS "
    "CPFCONTROLEINTERNO FROM TABEMPRESA");

const QString kSeedMunicSql = QStringLiteral(
    "SELECT CAST(NULL AS VARCHAR(4)) AS CODMUNIC,A.CLNT1 AS NOMEMUNICIPIO,CGC AS "
    "CNPJ,A.PREN AS NOMEPREFEITO,A.CPFPRE AS CPFPREFEITO,CAST(NULL AS VARCHAR(45)) AS "
    "PRESIDENTECAMARA,CAST(NULL AS VARCHAR(14)) AS CPFPRESIDENTECAMARA,A.CONN AS "
    "NOMECONTADOR,A.CPFCON AS CPFCONTADOR,CAST(NULL AS VARCHAR(11)) AS "
    "CRCCONTADOR,CAST(NULL AS VARCHAR(2)) AS UFCRCCONTADOR FROM CADCLI A");

DataPacket fromQuery(Transaction& transaction, const QString& sql) {
    Statement statement = transaction.prepare(sql);
    DataPacket packet;
    const DbColumns& columns = *statement.columns();
    for (int i = 0; i < columns.size(); ++i) {
        const DbColumn& c = columns.at(i);
        DataPacket::Field f;
        f.name = c.name.toUpper();
        switch (c.type) {
            case DbColumn::Type::Integer:
                f.type = QStringLiteral("i4");
                break;
            case DbColumn::Type::Decimal:
            case DbColumn::Type::Float:
                f.type = QStringLiteral("r8");
                break;
            case DbColumn::Type::Date:
                f.type = QStringLiteral("date");
                break;
            default:
                f.type = QStringLiteral("string");
                f.width = c.length;
        }
        packet.addField(f);
    }
    Cursor cursor = statement.open();
    while (cursor.next()) {
        DataPacket::Row row;
        for (int i = 0; i < columns.size(); ++i) {
            const DbValue& v = cursor.row().at(i);
            if (v.isNull()) {
                row.emplace_back(std::nullopt);
            } else if (v.isDate()) {
                row.emplace_back(v.toDate().toString(QStringLiteral("yyyyMMdd")));
            } else {
                row.emplace_back(v.fieldText(u'.'));
            }
        }
        packet.addRow(std::move(row));
    }
    return packet;
}

DataPacket seedOrgao(Transaction& transaction) {
    return fromQuery(transaction, kSeedOrgaoSql);
}

DataPacket seedMunic(Transaction& transaction) {
    return fromQuery(transaction, kSeedMunicSql);
}

int findOrgaoRow(const DataPacket& orgao, const QString& codEntidade) {
    for (int i = 0; i < orgao.rowCount(); ++i) {
        if (orgao.text(i, QStringLiteral("CODPODER")) == codEntidade)
            return i;
    }
    return -1;
}

}  // namespace ParamFiles
