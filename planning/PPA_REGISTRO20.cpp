#include "planning/PPA_REGISTRO20.h"

#include "app/RunContext.h"
#include "output/Fields.h"
#include "planning/PPA_REGISTRO22.h"
#include "planning/PlanningFields.h"
#include "planning/PlanningLine.h"
#include "planning/ProgramStatements.h"

using namespace PlanningFields;

void PPA_REGISTRO20(RunContext& c) {
    const QString type = QStringLiteral("20");
    const QString table = QStringLiteral("PPAPROG");
    Statement programs = c.transaction().prepare(QStringLiteral(
        "select coddiscri,discri,objet,sum(meta01) as meta01, sum(meta02) as meta02, sum(meta03) "
        "as meta03, sum(meta04) as meta04 from ppaprog group by coddiscri,discri,objet"));
    ProgramStatements statements(c.transaction());
    Cursor rows = programs.open();
    while (rows.next()) {
        const QString program = rows.text(QStringLiteral("coddiscri"));
        QString line = type + program;
        QString description = Fields::text(rows.text(QStringLiteral("discri")), 50);
        if (isBlank(description)) {
            c.log_erro(type, c.SeqRegistro, table, QStringLiteral("DISCRI"), 1);
            description = Fields::vazio(50);
        }
        line += description;
        const DbValue& objective = rows.value(QStringLiteral("objet"));
        if (objective.isNull()) {
            c.log_erro(type, c.SeqRegistro, table, QStringLiteral("OBJET"), 1);
            line += QStringLiteral("NC") + Fields::vazio(228);
        } else {
            line += Fields::text(objective.fieldText(), 230);
        }
        for (const char* goal : {"meta01", "meta02", "meta03", "meta04"})
            line += programGoal(rows.text(QString::fromLatin1(goal)));
        line += Fields::vazio(10);
        PlanningLine::write(c, line);
        PPA_REGISTRO21(c, statements, program);
    }
    PlanningLine::step(c);
}

void PPA_REGISTRO21(RunContext& c, ProgramStatements& statements, const QString& program) {
    const QString type = QStringLiteral("21");
    const QString table = QStringLiteral("PPAACOES");
    Cursor rows = statements.actions.open({program});
    while (rows.next()) {
        // A code piece cut from its column, logged and replaced when nothing is left of it.
        auto piece = [&](const char* column, qsizetype from, qsizetype count,
                         const QString& fallback, const char* field) {
            const QString value = rows.text(QString::fromLatin1(column)).mid(from, count);
            if (!isBlank(value))
                return value;
            c.log_erro(type, c.SeqRegistro, table, QString::fromLatin1(field), 1);
            return fallback;
        };
        auto text = [&](const char* column, int width, const char* field) {
            const QString value = Fields::text(rows.text(QString::fromLatin1(column)), width);
            if (!isBlank(value))
                return value;
            c.log_erro(type, c.SeqRegistro, table, QString::fromLatin1(field), 1);
            return Fields::vazio(width);
        };

        ActionClassification action;
        action.programa = piece("coddiscri", 0, 4, QStringLiteral("0000"), "CODDISCRI");
        action.orgao = piece("codlo", 0, 2, QStringLiteral("00"), "CODLO");
        action.unidade = piece("codlo", 2, 2, QStringLiteral("00"), "CODLO");
        action.funcao = piece("funsubfun", 0, 2, QStringLiteral("00"), "FUNSUBFUN");
        action.subfuncao = piece("funsubfun", 3, 3, QStringLiteral("000"), "FUNSUBFUN");
        action.natureza = piece("projativ", 0, 1, QStringLiteral("0"), "PROJATIV");
        action.numero = piece("projativ", 1, 3, QStringLiteral("000"), "PROJATIV");

        QString line = type + action.programa + action.orgao + action.unidade + action.funcao +
                       action.subfuncao + action.natureza + action.numero + u'1';
        line += text("descri", 200, "DESCRI");
        line += text("produ", 30, "PRODU");
        line += text("unmed", 15, "UNMED");
        for (const char* goal : {"meta01", "meta02", "meta03", "meta04"})
            line += physicalGoal(rows.text(QString::fromLatin1(goal)));
        for (const char* value : {"valor01", "valor02", "valor03", "valor04"})
            line += financialValue(rows.text(QString::fromLatin1(value)));
        line += Fields::vazio(15);
        PlanningLine::write(c, line);
        PPA_REGISTRO22(c, statements, action);
    }
    PlanningLine::step(c);
}
