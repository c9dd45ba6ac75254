#include "planning/PPA_REGISTRO22.h"

#include "app/RunContext.h"
#include "output/Fields.h"
#include "planning/PlanningFields.h"
#include "planning/PlanningLine.h"
#include "planning/ProgramStatements.h"

using namespace PlanningFields;

namespace {

const QString kTable = QStringLiteral("DESORC");

QStringList actionParameters(const ActionClassification& a) {
    return {a.programa, a.orgao, a.unidade, a.funcao, a.subfuncao, a.natureza, a.numero};
}

// The classification codes of a DESORC row, read as they are and logged when empty; `fallback`
// is what goes into the line instead (a null fallback writes the empty value as read).
class ExpenseRow {
public:
    ExpenseRow(RunContext& c, const Cursor& rows, const QString& type)
        : c_(c), rows_(rows), type_(type) {}

    QString code(const char* column, const char* field, const QString& fallback) {
        const QString value = rows_.text(QString::fromLatin1(column));
        if (!isBlank(value))
            return value;
        c_.log_erro(type_, c_.SeqRegistro, kTable, QString::fromLatin1(field), 1);
        return fallback.isNull() ? value : fallback;
    }

private:
    RunContext& c_;
    const Cursor& rows_;
    QString type_;
};

}  // namespace

void PPA_REGISTRO22(RunContext& c, ProgramStatements& statements,
                    const ActionClassification& action) {
    const QString type = QStringLiteral("22");
    Cursor rows = statements.elements.open(actionParameters(action));
    while (rows.next()) {
        ExpenseRow r(c, rows, type);
        ActionClassification element;
        element.programa = r.code("CODPROGRAMA", "PROGRAMA", QStringLiteral("    "));
        element.orgao = r.code("CODORGAO", "PODER", QStringLiteral("00"));
        element.unidade = r.code("CODUNIDADE", "ORGAO", QStringLiteral("00"));
        element.funcao = r.code("CODFUNCAO", "FUNCAO", QStringLiteral("00"));
        element.subfuncao = r.code("CODSUBFUNCAO", "SUBFUNCAO", QStringLiteral("000"));
        element.natureza = r.code("NATUREZA", "PROJATIV", QStringLiteral("0"));
        element.numero = r.code("PROJATIV", "PROJATIV", QStringLiteral("000"));
        const QString code = r.code("ELEMENTO", "CATEC", QStringLiteral("000000"));
        const QString line = type + element.programa + element.orgao + element.unidade +
                             element.funcao + element.subfuncao + element.natureza +
                             element.numero + code +
                             allocation(rows.text(QStringLiteral("RECURSO"))) + Fields::vazio(307);
        PlanningLine::write(c, line);
        PPA_REGISTRO23(c, statements, element, code);
    }
    PlanningLine::step(c);
}

void PPA_REGISTRO23(RunContext& c, ProgramStatements& statements,
                    const ActionClassification& action, const QString& element) {
    const QString type = QStringLiteral("23");
    QStringList params = actionParameters(action);
    params << element;
    Cursor rows = statements.sources.open(params);
    while (rows.next()) {
        ExpenseRow r(c, rows, type);
        QString line = type;
        line += r.code("CODPROGRAMA", "PROGRAMA", QStringLiteral("    "));
        line += r.code("CODORGAO", "PODER", QStringLiteral("00"));
        line += r.code("CODUNIDADE", "ORGAO", QStringLiteral("00"));
        line += r.code("CODFUNCAO", "FUNCAO", QString());
        line += r.code("CODSUBFUNCAO", "subfuncao", QString());
        line += r.code("NATUREZA", "PROJATIV", QString());
        line += r.code("PROJATIV", "PROJATIV", QString());
        line += Fields::number(r.code("ELEMENTO", "CATEC", QString()), 6);
        line += Fields::number(rows.text(QStringLiteral("FONTE")), 2);
        line += allocation(rows.text(QStringLiteral("RECURSO")));
        line += Fields::vazio(305);
        PlanningLine::write(c, line);
    }
    PlanningLine::step(c);
}
