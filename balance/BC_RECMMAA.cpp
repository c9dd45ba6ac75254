#include "balance/BC_RECMMAA.h"

#include <vector>

#include "app/RunContext.h"
#include "output/Fields.h"

namespace {

constexpr int kAmountWidth = 13;

const QString kRubricas = QStringLiteral(
    "SELECT SUBSTRING(A.CODRE FROM 1 FOR 4)||SUBSTRING(A.CODRE FROM 6 FOR 2)||SUBSTRING(A.CODRE "
    "FROM 9 FOR 2) AS RUBRICA,SUM(A.TOTOR) AS VLPREVISTO FROM RECDIS A INNER JOIN RECTAB B ON "
    "B.CODRE = A.CODRE WHERE A.EMPRESA = ? GROUP BY SUBSTRING(A.CODRE FROM 1 FOR "
    "4),SUBSTRING(A.CODRE FROM 6 FOR 2),SUBSTRING(A.CODRE FROM 9 FOR 2)");

const QString kFichaDaRubrica = QStringLiteral(
    "SELECT A.FICHA,B.NOMRE AS ESPECIFICACAO FROM RECDIS A INNER JOIN RECTAB B ON B.CODRE = "
    "A.CODRE WHERE SUBSTRING(A.CODRE FROM 1 FOR 4)||SUBSTRING(A.CODRE FROM 6 FOR "
    "2)||SUBSTRING(A.CODRE FROM 9 FOR 2) = ? AND A.EMPRESA = ? ");

const QString kArrecadadoNoMes = QStringLiteral(
    "SELECT A.FICHA,SUM(A.VAREC) AS VLARRECADADO FROM RECEIT A WHERE EXTRACT(MONTH FROM A.DTREC) "
    "= ? AND FICHA = ? GROUP BY A.FICHA");
const QString kAcumuladoAntesDoMes = QStringLiteral(
    "SELECT A.FICHA,SUM(A.VAREC) AS VLACUMULADO FROM RECEIT A WHERE EXTRACT(MONTH FROM A.DTREC) "
    "< ? AND FICHA = ? GROUP BY A.FICHA");

// The four-month windows: the months of the period holding Mes, and the months before it.
QString arrecadadoNoQuadrimestre(const RunContext& c) {
    return QStringLiteral("SELECT A.FICHA,SUM(A.VAREC) AS VLARRECADADO FROM RECEIT A ") +
           QStringLiteral("WHERE EXTRACT(MONTH FROM A.DTREC) in (") + c.quadrimesterMonths() +
           QStringLiteral(") ") + QStringLiteral(" AND FICHA = ? GROUP BY A.FICHA");
}

QString acumuladoAntesDoQuadrimestre(const RunContext& c) {
    return QStringLiteral("SELECT A.FICHA,SUM(A.VAREC) AS VLACUMULADO FROM RECEIT A ") +
           QStringLiteral("WHERE EXTRACT(MONTH FROM A.DTREC) < '") + c.quadrimesterFirstMonth() +
           QStringLiteral("' ") + QStringLiteral(" AND FICHA = ? GROUP BY A.FICHA");
}

}  // namespace

QString recAmount(const DbValue& value) {
    return Fields::withComma(Fields::signedAmount(value.fieldText(), kAmountWidth));
}

void BC_RECMMAA(RunContext& c) {
    c.SeqRegistro = 1;
    const QString name = QStringLiteral("REC") + c.Mes + c.twoDigitYear() + QStringLiteral(".txt");
    c.arquivo().open(name, QStringLiteral("BC_RECMMAA"));

    Transaction& t = c.transaction();
    Statement rubricas = t.prepare(kRubricas);
    Statement fichaDaRubrica = t.prepare(kFichaDaRubrica);
    const bool monthly = c.isMonthly();
    Statement arrecadado = t.prepare(monthly ? kArrecadadoNoMes : arrecadadoNoQuadrimestre(c));
    Statement acumulado =
        t.prepare(monthly ? kAcumuladoAntesDoMes : acumuladoAntesDoQuadrimestre(c));
    auto receiptParams = [&](const QString& ficha) {
        return monthly ? QStringList{c.Mes, ficha} : QStringList{ficha};
    };

    const QString empresa = c.entity.text(QStringLiteral("EMPRESA"));
    // The headings are read whole first: their count is the progress bar's maximum.
    std::vector<DbRow> rows;
    {
        Cursor cursor = rubricas.open({empresa});
        while (cursor.next())
            rows.push_back(cursor.row());
    }
    c.p1().reset(int(rows.size()) + 1);

    const QString codAudesp = c.entity.text(QStringLiteral("CODAUDESP"));
    if (codAudesp.trimmed().isEmpty())
        c.log_erro(QStringLiteral("10"), 1, QStringLiteral("TABEMPRESA"),
                   QStringLiteral("CODAUDESP"), 1);
    const QString orgao = Fields::number(codAudesp, 2);

    // An amount too long for its 13 columns is written whole, as the layout has no room to cut
    // it, and noted so the file does not pass as sound.
    auto amount = [&](const DbValue& value, const char* table, const char* field) {
        const QString text = recAmount(value);
        if (text.size() > kAmountWidth)
            c.log_erro(QStringLiteral("10"), c.SeqRegistro, QString::fromLatin1(table),
                       QString::fromLatin1(field), 4);
        return text;
    };

    for (const DbRow& row : rows) {
        const QString rubrica = row.text(QStringLiteral("RUBRICA"));
        // Only the first card of the heading gives the description and the receipts.
        const std::optional<DbRow> card = fichaDaRubrica.first({rubrica, empresa});
        const QString ficha = card ? card->text(QStringLiteral("FICHA")) : QString();
        const QString especificacao =
            card ? card->text(QStringLiteral("ESPECIFICACAO")).left(100) : QString();

        if (rubrica.trimmed().isEmpty())
            c.log_erro(QStringLiteral("10"), c.SeqRegistro, QStringLiteral("RECDIS"),
                       QStringLiteral("CODRE"), 1);
        if (especificacao.trimmed().isEmpty())
            c.log_erro(QStringLiteral("10"), c.SeqRegistro, QStringLiteral("RECTAB"),
                       QStringLiteral("NOMRE"), 1);

        const std::optional<DbRow> noPeriodo = arrecadado.first(receiptParams(ficha));
        const std::optional<DbRow> antes = acumulado.first(receiptParams(ficha));

        QString record = QStringLiteral("10") + orgao + Fields::text(rubrica, 8) +
                         Fields::text(especificacao, 100);
        record += amount(row.value(QStringLiteral("VLPREVISTO")), "RECDIS", "TOTOR");
        record += amount(noPeriodo ? noPeriodo->value(QStringLiteral("VLARRECADADO")) : DbValue(),
                         "RECEIT", "VAREC");
        record += amount(antes ? antes->value(QStringLiteral("VLACUMULADO")) : DbValue(), "RECEIT",
                         "VAREC");
        record += Fields::sequence(c.SeqRegistro);
        c.arquivo().writeRecord(record);
        ++c.SeqRegistro;
        c.p1().step();
    }

    c.arquivo().writeRecord(QStringLiteral("99") + Fields::vazio(149) +
                            Fields::sequence(c.SeqRegistro));
    c.p1().step();
    c.arquivo().Fecha_arq();
}
