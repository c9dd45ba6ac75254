#include "planning/PPA_REGISTRO10.h"

#include "app/RunContext.h"
#include "output/Fields.h"
#include "planning/PlanningFields.h"
#include "planning/PlanningLine.h"

using PlanningFields::isBlank;

void PPA_REGISTRO10(RunContext& c) {
    const QString type = QStringLiteral("10");
    const QString table = QStringLiteral("TABEMPRESA");
    Statement organs = c.transaction().prepare(QStringLiteral(
        "SELECT A.PODER AS CODORGAO, A.NOME AS DESCORGAO, B.TIPO AS TIPOORGAO FROM TABPODER A "
        "INNER JOIN TABEMPRESA B ON B.CODAUDESP = A.PODER ORDER BY A.PODER ASCENDING"));
    Cursor rows = organs.open();
    bool any = false;
    while (rows.next()) {
        any = true;
        const QString code = rows.text(QStringLiteral("CODORGAO")).left(2);
        if (isBlank(code))
            c.log_erro(type, c.SeqRegistro, table, QStringLiteral("EMPRESA"), 1);
        QString name = Fields::text(rows.text(QStringLiteral("DESCORGAO")), 50);
        if (isBlank(name)) {
            c.log_erro(type, c.SeqRegistro, table, QStringLiteral("NOME"), 1);
            name = Fields::vazio(50);
        }
        QString entityType = rows.text(QStringLiteral("TIPOORGAO"));
        if (isBlank(entityType)) {
            c.log_erro(type, c.SeqRegistro, table, QStringLiteral("TIPO"), 1);
            entityType = QStringLiteral("00");
        } else {
            entityType = Fields::number(entityType, 2);
        }
        PlanningLine::write(c, type + code + name + entityType + Fields::vazio(288));
    }
    if (!any) {
        PlanningLine::writePlaceholder(c, type);
        c.log_erro(type, c.SeqRegistro - 1, table, QStringLiteral("*.*"), 2);
    }
    PlanningLine::step(c);
}

void PPA_REGISTRO11(RunContext& c) {
    const QString type = QStringLiteral("11");
    const QString table = QStringLiteral("TABORGAO");
    Statement units = c.transaction().prepare(
        QStringLiteral("SELECT PODER AS CODORGAO, ORGAO AS CODUNIDADE, NOME AS DESCUNIDADE FROM "
                       "TABORGAO WHERE ORGAO <> '00'"));
    Cursor rows = units.open();
    bool any = false;
    auto code = [&](const char* column, const char* field) {
        const QString value = rows.text(QString::fromLatin1(column));
        if (!isBlank(value))
            return value;
        c.log_erro(type, c.SeqRegistro, table, QString::fromLatin1(field), 1);
        return QStringLiteral("00");
    };
    while (rows.next()) {
        any = true;
        QString name = Fields::text(rows.text(QStringLiteral("DESCUNIDADE")), 50);
        if (isBlank(name)) {
            c.log_erro(type, c.SeqRegistro, table, QStringLiteral("NOME"), 1);
            name = Fields::vazio(50);
        }
        const QString organ = code("CODORGAO", "PODER");
        const QString unit = code("CODUNIDADE", "ORGAO");
        PlanningLine::write(c, type + organ + unit + name + Fields::vazio(288));
    }
    if (!any) {
        c.log_erro(type, c.SeqRegistro, table, QStringLiteral("*.*"), 2);
        PlanningLine::writePlaceholder(c, type);
    }
    PlanningLine::step(c);
}
