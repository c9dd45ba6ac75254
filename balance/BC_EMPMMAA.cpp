#include "balance/BC_EMPMMAA.h"

#include <vector>

#include "app/RunContext.h"
#include "output/Fields.h"

namespace {

const QString kClassification = QStringLiteral(
    "SELECT B.PROGRAMA AS CODPROGRAMA,B.PODER AS CODORGAO,B.ORGAO AS CODUNIDADE,B.FUNCAO AS "
    "CODFUNCAO,B.SUBFUNCAO AS CODSUBFUNCAO,SUBSTRING(B.PROJATIV FROM 1 FOR 1) AS "
    "NATUREZA,SUBSTRING(B.PROJATIV FROM 2 FOR 4) AS %1,SUBSTRING(B.CATEC FROM 1 FOR "
    "1)||SUBSTRING(B.CATEC FROM 3 FOR 1)||SUBSTRING(B.CATEC FROM 5 FOR 2)||SUBSTRING(B.CATEC FROM "
    "8 FOR 2) AS ELEMENTO,SUBSTRING(B.CATEC FROM 11 FOR 2) AS SUBELEMENTO,A.NEMPG AS NROEMPENHO,");

const QString kKey = QStringLiteral(
    "AND B.PROGRAMA = ? AND B.PODER = ? AND B.ORGAO = ? AND B.FUNCAO = ? AND B.SUBFUNCAO = ? "
    "AND SUBSTRING(B.PROJATIV FROM 1 FOR 1) = ? AND SUBSTRING(B.PROJATIV FROM 2 FOR 4) = ? AND "
    "SUBSTRING(B.CATEC FROM 1 FOR 1)||SUBSTRING(B.CATEC FROM 3 FOR 1)||SUBSTRING(B.CATEC FROM 5 "
    "FOR 2)||SUBSTRING(B.CATEC FROM 8 FOR 2) = ? AND SUBSTRING(B.CATEC FROM 11 FOR 2) = ? AND "
    "A.NEMPG = ? ");

const QString kGroupBy = QStringLiteral(
    "GROUP BY B.PROGRAMA,B.PODER,B.ORGAO,B.FUNCAO,B.SUBFUNCAO,SUBSTRING(B.PROJATIV FROM 1 FOR "
    "1),SUBSTRING(B.PROJATIV FROM 2 FOR 4),SUBSTRING(B.CATEC FROM 1 FOR 1),SUBSTRING(B.CATEC FROM "
    "3 FOR 1),SUBSTRING(B.CATEC FROM 5 FOR 2),SUBSTRING(B.CATEC FROM 8 FOR 2),SUBSTRING(B.CATEC "
    "FROM 11 FOR 2),");

// The nine classification codes of a row, as read, and the commitment number.
struct Classification {
    QString programa, poder, orgao, funcao, subfuncao, natureza, acao, elemento, subelemento;
    QString empenho;

    Classification(const DbRow& row, const char* actionAlias)
        : programa(row.text(QStringLiteral("CODPROGRAMA"))),
          poder(row.text(QStringLiteral("CODORGAO"))),
          orgao(row.text(QStringLiteral("CODUNIDADE"))),
          funcao(row.text(QStringLiteral("CODFUNCAO"))),
          subfuncao(row.text(QStringLiteral("CODSUBFUNCAO"))),
          natureza(row.text(QStringLiteral("NATUREZA"))),
          acao(row.text(QString::fromLatin1(actionAlias))),
          elemento(row.text(QStringLiteral("ELEMENTO"))),
          subelemento(row.text(QStringLiteral("SUBELEMENTO"))),
          empenho(row.text(QStringLiteral("NROEMPENHO"))) {}

    QString codes() const {
        return programa + poder + orgao + funcao + subfuncao + natureza + acao + elemento +
               subelemento;
    }
    QStringList key() const {
        return {programa, poder, orgao,    funcao,      subfuncao,
                natureza, acao,  elemento, subelemento, empenho};
    }
};

bool isEmpty(const QString& s) {
    return s.trimmed().isEmpty();
}

class EmpFile {
public:
    explicit EmpFile(RunContext& c) : c_(c) {}

    void run();

private:
    void log(const char* record, const char* table, const char* field, int code) {
        c_.log_erro(QString::fromLatin1(record), c_.SeqRegistro, QString::fromLatin1(table),
                    QString::fromLatin1(field), code);
    }
    // The checks every record makes on its classification; record "11" compares the
    // sub-element after trimming, the others as read.
    void checkClassification(const char* record, const Classification& k, bool trimSubelement) {
        const std::pair<const QString*, const char*> codes[] = {
            {&k.programa, "PROGRAMA"}, {&k.poder, "PODER"},         {&k.orgao, "ORGAO"},
            {&k.funcao, "FUNCAO"},     {&k.subfuncao, "SUBFUNCAO"}, {&k.natureza, "PROJATIV"},
            {&k.acao, "PROJATIV"},     {&k.elemento, "CATEC"},      {&k.subelemento, "CATEC"}};
        for (const auto& [value, field] : codes)
            if (isEmpty(*value))
                log(record, "DESDIS", field, 1);
        const QString sub = trimSubelement ? k.subelemento.trimmed() : k.subelemento;
        if (sub == u"00")
            log(record, "DESDIS", "DESDOBRO", 4);
    }
    QString amount(const DbValue& value, const char* record) {
        return empAmount(c_.arquivo().fixedAmount(value.toDecimal(), 9, QString::fromLatin1(record),
                                                  c_.SeqRegistro, QStringLiteral("DESPES"),
                                                  QStringLiteral("VADEM")));
    }
    void write(const QString& record) {
        c_.arquivo().writeRecord(record);
        ++c_.SeqRegistro;
    }
    void commitment(const DbRow& row, Statement& detail, Statement& sources, Statement& works);

    RunContext& c_;
    QStringList base_;  // the values of the entity, period and year conditions
};

void EmpFile::run() {
    c_.SeqRegistro = 1;
    c_.arquivo().open(QStringLiteral("EMP") + c_.Mes + c_.twoDigitYear() + QStringLiteral(".TXT"),
                      QStringLiteral("BC_EMPMMAA"));

    QString period;
    base_ = QStringList{c_.entity.text(QStringLiteral("EMPRESA"))};
    if (c_.isMonthly()) {
        period = QStringLiteral(" AND EXTRACT(MONTH FROM A.DATAE) = ? ");
        base_ << c_.Mes;
    } else {
        period = QStringLiteral(" AND EXTRACT(MONTH FROM A.DATAE) in (") + c_.quadrimesterMonths() +
                 QStringLiteral(")");
    }
    base_ << c_.Exercicio;
    const QString base = QStringLiteral("?") + QStringLiteral(" AND B.EXTRA = 'N' ") + period +
                         QStringLiteral(" AND EXTRACT(YEAR FROM A.DATAE) = ? ");
    const QString fromCreditor = QStringLiteral(
        "FROM DESPES A INNER JOIN DESDIS B ON B.FICHA = A.FICHA INNER JOIN DESFOR C ON C.CODIF = "
        "A.CODIF WHERE B.EMPRESA = ");
    const QString fromCard =
        QStringLiteral("FROM DESPES A INNER JOIN DESDIS B ON B.FICHA = A.FICHA WHERE B.EMPRESA = ");

    Transaction& t = c_.transaction();
    Statement commitments = t.prepare(
        kClassification.arg(QStringLiteral("NROPROJATIV")) +
        QStringLiteral("CAST('01' AS VARCHAR(2)) AS TIPOEMPENHO,SUM(A.VADEM) AS VLRBRUTO ") +
        fromCreditor + base + QStringLiteral("AND A.VADEM > 0 ") + kGroupBy +
        QStringLiteral("A.NEMPG"));
    Statement detail = t.prepare(
        QStringLiteral("SELECT CAST(SUBSTRING(A.PRODU FROM 1 FOR 255) AS VARCHAR(255)) AS "
                       "ESPECIFICACAO, A.DATAE AS DTEMPENHO,C.NOME AS NOMECREDOR,C.CODTIP AS "
                       "TIPOCREDOR,C.INSMF AS CPFCNPJ ") +
        fromCreditor + base + kKey + QStringLiteral("AND A.VADEM > 0 "));
    Statement sources = t.prepare(kClassification.arg(QStringLiteral("PROJATIV")) +
                                  QStringLiteral("B.FONGRUPO AS FONTE,SUM(A.VADEM) AS VALOR ") +
                                  fromCard + base + QStringLiteral("AND A.VADEM > 0 ") + kKey +
                                  kGroupBy + QStringLiteral("A.NEMPG,B.FONGRUPO"));
    Statement works = t.prepare(
        kClassification.arg(QStringLiteral("PROJATIV")) +
        QStringLiteral("A.CODOBRA||C.ANO AS CODOBRA,SUM(A.VADEM) AS VALOR FROM DESPES A INNER "
                       "JOIN DESDIS B ON B.FICHA = A.FICHA INNER JOIN CADOBRA C ON C.SEQUENCIAL = "
                       "A.CODOBRA WHERE B.EMPRESA = ") +
        base + QStringLiteral("AND A.VADEM > 0 ") + kKey + kGroupBy +
        QStringLiteral("A.NEMPG,A.CODOBRA,C.ANO"));

    std::vector<DbRow> rows;
    {
        Cursor cursor = commitments.open(base_);
        while (cursor.next())
            rows.push_back(cursor.row());
    }
    c_.p1().reset(int(rows.size()) + 1);
    for (const DbRow& row : rows)
        commitment(row, detail, sources, works);

    c_.arquivo().writeRecord(QStringLiteral("99") + Fields::vazio(319) +
                             Fields::sequence(c_.SeqRegistro));
    c_.p1().step();
    c_.arquivo().Fecha_arq();
}

void EmpFile::commitment(const DbRow& row, Statement& detail, Statement& sources,
                         Statement& works) {
    const Classification k(row, "NROPROJATIV");
    const std::optional<DbRow> d = detail.first(base_ + k.key());
    auto detailText = [&](const char* column) {
        return d ? d->text(QString::fromLatin1(column)) : QString();
    };
    const QString empenho = k.empenho.left(6);
    const QString date = detailText("DTEMPENHO").left(8);
    const QString nome = detailText("NOMECREDOR");
    const QString tipo = detailText("TIPOCREDOR");
    QString documento = detailText("CPFCNPJ");
    documento.remove(u'.').remove(u'-').remove(u'/');
    const QString especificacao = detailText("ESPECIFICACAO");

    checkClassification("10", k, false);
    if (isEmpty(empenho))
        log("10", "DESPES", "NEMPG", 1);
    if (isEmpty(date))
        log("10", "DESPES", "DATAE", 1);
    if (isEmpty(nome))
        log("10", "DESFOR", "NOME", 1);
    const QString tipoCredor = tipo == u"1"   ? QStringLiteral("2")
                               : tipo == u"2" ? QStringLiteral("1")
                                              : QStringLiteral("0");
    if (tipoCredor == u"0")
        log("10", "DESFOR", "CODTIP", 4);
    if (isEmpty(documento))
        log("10", "DESFOR", "INSMF", 1);
    if (isEmpty(especificacao))
        log("10", "DESPES", "PRODU", 1);

    write(QStringLiteral("10") + k.codes() + Fields::number(empenho, 6) +
          row.text(QStringLiteral("TIPOEMPENHO")) + Fields::text(date, 8) +
          amount(row.value(QStringLiteral("VLRBRUTO")), "10") + Fields::text(nome, 50) +
          tipoCredor + Fields::number(documento, 14) + Fields::text(especificacao, 200) +
          Fields::sequence(c_.SeqRegistro));
    c_.p1().step();

    std::vector<DbRow> sourceRows;
    {
        Cursor cursor = sources.open(base_ + k.key());
        while (cursor.next())
            sourceRows.push_back(cursor.row());
    }
    for (const DbRow& source : sourceRows) {
        const Classification s(source, "PROJATIV");
        const QString fonte = source.text(QStringLiteral("FONTE"));
        checkClassification("11", s, true);
        if (isEmpty(s.empenho.left(6)))
            log("11", "DESPES", "NEMPG", 1);
        if (isEmpty(fonte))
            log("11", "DESDIS", "FONGRUPO", 1);
        write(QStringLiteral("11") + s.codes() + Fields::number(s.empenho.left(6), 6) +
              Fields::number(fonte, 2) + amount(source.value(QStringLiteral("VALOR")), "11") +
              Fields::vazio(273) + Fields::sequence(c_.SeqRegistro));

        Cursor cursor = works.open(base_ + s.key());
        while (cursor.next()) {
            const Classification w(cursor.row(), "PROJATIV");
            checkClassification("12", w, false);
            if (isEmpty(w.empenho))
                log("12", "DESPES", "NEMPG", 1);
            if (isEmpty(fonte))
                log("12", "DESDIS", "FONGRUPO", 1);
            write(QStringLiteral("12") + w.codes() + Fields::number(w.empenho, 6) +
                  Fields::number(cursor.text(QStringLiteral("CODOBRA")), 8) +
                  amount(cursor.value(QStringLiteral("VALOR")), "12") + Fields::vazio(267) +
                  Fields::sequence(c_.SeqRegistro));
        }
    }
}

}  // namespace

QString empAmount(const QString& fixedText) {
    return Fields::withComma(Fields::number(fixedText, 13));
}

void BC_EMPMMAA(RunContext& c) {
    EmpFile(c).run();
}
