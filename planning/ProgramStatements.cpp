#include "planning/ProgramStatements.h"

#include "settings/Transaction.h"

namespace {

const QString kActions = QStringLiteral(
    "select b.coddiscri, a.codlo, a.funsubfun, a.projativ, a.produ, a.descri, "
    "a.unmed,sum(a.meta01) as meta01,sum(a.meta02) as meta02,sum(a.meta03) as meta03,sum(a.meta04) "
    "as meta04,sum(a.valor01) as valor01, sum(a.valor02) as valor02,sum(a.valor03) as valor03, "
    "sum(a.valor04) as valor04 from ppaacoes a inner join ppaprog b on b.codigo = a.codigo where "
    "b.coddiscri = ? group by b.coddiscri,a.codlo,a.funsubfun,a.projativ,a.produ,a.descri,a.unmed");

const QString kClassification = QStringLiteral(
    "SELECT A.PROGRAMA AS CODPROGRAMA,A.PODER AS CODORGAO,A.ORGAO AS CODUNIDADE,A.FUNCAO AS "
    "CODFUNCAO,A.SUBFUNCAO AS CODSUBFUNCAO,SUBSTRING(A.PROJATIV FROM 1 FOR 1) AS "
    "NATUREZA,SUBSTRING(A.PROJATIV FROM 2 FOR 4) AS PROJATIV,SUBSTRING(A.CATEC FROM 1 FOR "
    "1)||SUBSTRING(A.CATEC FROM 3 FOR 1)||SUBSTRING(A.CATEC FROM 5 FOR 2)||SUBSTRING(A.CATEC FROM "
    "8 "
    "FOR 2) AS ELEMENTO,");

const QString kActionConditions = QStringLiteral(
    "FROM DESORC A WHERE A.PROGRAMA = ? AND A.PODER = ? AND A.ORGAO = ? AND A.FUNCAO = ? AND "
    "A.SUBFUNCAO = ? AND SUBSTRING(A.PROJATIV FROM 1 FOR 1) = ? AND SUBSTRING(A.PROJATIV FROM 2 "
    "FOR "
    "4) = ? ");

const QString kGroupBy = QStringLiteral(
    "GROUP BY A.PROGRAMA, A.PODER,A.ORGAO,A.FUNCAO,A.SUBFUNCAO,SUBSTRING(A.PROJATIV FROM 1 FOR "
    "1),SUBSTRING(A.PROJATIV FROM 2 FOR 4),SUBSTRING(A.CATEC FROM 1 FOR 1),SUBSTRING(A.CATEC FROM "
    "3 "
    "FOR 1),SUBSTRING(A.CATEC FROM 5 FOR 2),SUBSTRING(A.CATEC FROM 8 FOR 2)");

QString elementsSql() {
    return kClassification + QStringLiteral("SUM(A.DOTAC) as RECURSO ") + kActionConditions +
           kGroupBy;
}

QString sourcesSql() {
    return kClassification + QStringLiteral("A.FONGRUPO AS FONTE,SUM(A.DOTAC) as RECURSO ") +
           kActionConditions +
           QStringLiteral(
               "AND SUBSTRING(A.CATEC FROM 1 FOR 1)||SUBSTRING(A.CATEC FROM 3 FOR "
               "1)||SUBSTRING(A.CATEC FROM 5 FOR 2)||SUBSTRING(A.CATEC FROM 8 FOR 2) = "
               "? ") +
           kGroupBy + QStringLiteral(",A.FONGRUPO");
}

}  // namespace

ProgramStatements::ProgramStatements(Transaction& t)
    : actions(t.prepare(kActions)),
      elements(t.prepare(elementsSql())),
      sources(t.prepare(sourcesSql())) {}
