#include "planning/PPA_REGISTRO30.h"

#include "app/RunContext.h"
#include "output/Fields.h"
#include "planning/PlanningFields.h"
#include "planning/PlanningLine.h"

using namespace PlanningFields;

namespace {

const QString kRecorc = QStringLiteral("RECORC");

// A text read as it is, logged and replaced when empty.
QString code(RunContext& c, const Cursor& rows, const QString& type, const char* column,
             const QString& table, const char* field, const QString& fallback) {
    const QString value = rows.text(QString::fromLatin1(column));
    if (!isBlank(value))
        return value;
    c.log_erro(type, c.SeqRegistro, table, QString::fromLatin1(field), 1);
    return fallback;
}

QString forecastField(RunContext& c, const Cursor& rows, const QString& type) {
    bool empty = false;
    const QString field = forecast(rows.text(QStringLiteral("VLPREVISTOTOTAL")), &empty);
    if (empty)
        c.log_erro(type, c.SeqRegistro, kRecorc, QStringLiteral("TOTOR"), 1);
    return field;
}

// The placeholder of a query without rows: counted, stepped and logged as "Tabela Vazia".
void emptyTable(RunContext& c, const QString& type) {
    PlanningLine::writePlaceholder(c, type);
    PlanningLine::step(c);
    c.log_erro(type, c.SeqRegistro - 1, kRecorc, QStringLiteral("*.*"), 2);
}

}  // namespace

void PPA_REGISTRO30(RunContext& c) {
    const QString type = QStringLiteral("30");
    Statement organs = c.transaction().prepare(QStringLiteral(
        "SELECT PODER AS CODORGAO, SUM(TOTOR) AS VLPREVISTOTOTAL FROM RECORC GROUP BY PODER"));
    Cursor rows = organs.open();
    bool any = false;
    while (rows.next()) {
        any = true;
        QString line =
            type + code(c, rows, type, "CODORGAO", kRecorc, "PODER", QStringLiteral("00"));
        line += forecastField(c, rows, type);
        line += Fields::vazio(328);
        PlanningLine::write(c, line);
        PlanningLine::step(c);
    }
    if (!any)
        emptyTable(c, type);
}

void PPA_REGISTRO31(RunContext& c) {
    const QString type = QStringLiteral("31");
    Statement headings = c.transaction().prepare(QStringLiteral(
        "SELECT A.PODER AS CODORGAO, SUBSTRING(A.CODRE FROM 1 FOR 4)||SUBSTRING(A.CODRE FROM 6 FOR "
        "2)||SUBSTRING(A.CODRE FROM 9 FOR 2) AS RUBRICA, B.NOMRE AS ESPECIFICACAO, SUM(A.TOTOR) AS "
        "VLPREVISTOTOTAL FROM RECORC A INNER JOIN RECTAB B ON B.CODRE = A.CODRE GROUP BY A.PODER, "
        "A.CODRE, B.NOMRE"));
    Cursor rows = headings.open();
    bool any = false;
    while (rows.next()) {
        any = true;
        QString line =
            type + code(c, rows, type, "CODORGAO", kRecorc, "PODER", QStringLiteral("00"));
        line += code(c, rows, type, "RUBRICA", kRecorc, "CODRE", QStringLiteral("00000000"));
        QString name = Fields::text(rows.text(QStringLiteral("ESPECIFICACAO")), 100);
        if (isBlank(name)) {
            c.log_erro(type, c.SeqRegistro, QStringLiteral("RECTAB"), QStringLiteral("NOMRE"), 1);
            name = Fields::vazio(100);
        }
        line += name;
        line += forecastField(c, rows, type);
        line += Fields::vazio(220);
        PlanningLine::write(c, line);
        PlanningLine::step(c);
    }
    if (!any)
        emptyTable(c, type);
}

void PPA_REGISTRO39(RunContext& c) {
    const auto row =
        c.transaction().first(QStringLiteral("SELECT SUM(TOTOR) AS VLTOTALRECEITA FROM RECORC"));
    const QString sum = row ? row->text(QStringLiteral("VLTOTALRECEITA")) : QString();
    PlanningLine::write(c, QStringLiteral("39") + total(sum) + Fields::vazio(330));
    PlanningLine::step(c);
}
