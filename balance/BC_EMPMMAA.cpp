#include "balance/BC_EMPMMAA.h"

#include <vector>

#include "app/RunContext.h"
#include "balance/ExpenseAmounts.h"
#include "output/Fields.h"

namespace {

#define EMP_CLASSIFICATION                                                                    \
    "SELECT B.PROGRAMA AS CODPROGRAMA,B.PODER AS CODORGAO,B.ORGAO AS CODUNIDADE,B.FUNCAO AS " \
    "CODFUNCAO,B.SUBFUNCAO AS CODSUBFUNCAO,SUBSTRING(B.PROJATIV FROM 1 FOR 1) AS "            \
    "NATUREZA,SUBSTRING(B.PROJATIV FROM 2 FOR 4) AS "
#define EMP_ELEMENT                                                                              \
    ",SUBSTRING(B.CATEC FROM 1 FOR 1)||SUBSTRING(B.CATEC FROM 3 FOR 1)||SUBSTRING(B.CATEC FROM " \
    "5 FOR 2)||SUBSTRING(B.CATEC FROM 8 FOR 2) AS ELEMENTO,SUBSTRING(B.CATEC FROM 11 FOR 2) AS " \
    "SUBELEMENTO,A.NEMPG AS NROEMPENHO,"

const char* const kKey =
    "AND B.PROGRAMA = ? AND B.PODER = ? AND B.ORGAO = ? AND B.FUNCAO = ? AND B.SUBFUNCAO = ? "
    "AND SUBSTRING(B.PROJATIV FROM 1 FOR 1) = ? AND SUBSTRING(B.PROJATIV FROM 2 FOR 4) = ? "
    "AND SUBSTRING(B.CATEC FROM 1 FOR 1)||SUBSTRING(B.CATEC FROM 3 FOR 1)||SUBSTRING(B.CATEC "
    "FROM 5 FOR 2)||SUBSTRING(B.CATEC FROM 8 FOR 2) = ? AND SUBSTRING(B.CATEC FROM 11 FOR 2) = ? "
    "AND A.NEMPG = ? ";

const char* const kGrouping =
    "GROUP BY B.PROGRAMA,B.PODER,B.ORGAO,B.FUNCAO,B.SUBFUNCAO,SUBSTRING(B.PROJATIV FROM 1 FOR "
    "1),SUBSTRING(B.PROJATIV FROM 2 FOR 4),SUBSTRING(B.CATEC FROM 1 FOR 1),SUBSTRING(B.CATEC "
    "FROM 3 FOR 1),SUBSTRING(B.CATEC FROM 5 FOR 2),SUBSTRING(B.CATEC FROM 8 FOR "
    "2),SUBSTRING(B.CATEC FROM 11 FOR 2),";

const char* const kCommitmentHead = EMP_CLASSIFICATION
    "NROPROJATIV" EMP_ELEMENT
    "CAST('01' AS VARCHAR(2)) AS TIPOEMPENHO,SUM(A.VADEM) AS VLRBRUTO FROM DESPES A INNER JOIN "
    "DESDIS B ON B.FICHA = A.FICHA INNER JOIN DESFOR C ON C.CODIF = A.CODIF WHERE B.EMPRESA = ";
const char* const kDetailHead =
    "SELECT CAST(SUBSTRING(A.PRODU FROM 1 FOR 255) AS VARCHAR(255)) AS ESPECIFICACAO, A.DATAE "
    "AS DTEMPENHO,C.NOME AS NOMECREDOR,C.CODTIP AS TIPOCREDOR,C.INSMF AS CPFCNPJ FROM DESPES A "
    "INNER JOIN DESDIS B ON B.FICHA = A.FICHA INNER JOIN DESFOR C ON C.CODIF = A.CODIF WHERE "
    "B.EMPRESA = ";
const char* const kSourceHead = EMP_CLASSIFICATION
    "PROJATIV" EMP_ELEMENT
    "B.FONGRUPO AS FONTE,SUM(A.VADEM) AS VALOR FROM DESPES A INNER JOIN DESDIS B ON B.FICHA = "
    "A.FICHA WHERE B.EMPRESA = ";
const char* const kWorksHead = EMP_CLASSIFICATION
    "PROJATIV" EMP_ELEMENT
    "A.CODOBRA||C.ANO AS CODOBRA,SUM(A.VADEM) AS VALOR FROM DESPES A INNER JOIN DESDIS B ON "
    "B.FICHA = A.FICHA INNER JOIN CADOBRA C ON C.SEQUENCIAL = A.CODOBRA WHERE B.EMPRESA = ";

const QString kDesdis = QStringLiteral("DESDIS");

bool blank(const QString& s) {
    return s.trimmed().isEmpty();
}

// The nine classification codes and the commitment number of a row, as read.
struct Key {
    QString programa, poder, orgao, funcao, subfuncao, natureza, numero, elemento, subelemento,
        nempg;

    static Key of(const DbRow& row, const QString& numberAlias) {
        return {row.text(QStringLiteral("CODPROGRAMA")),
                row.text(QStringLiteral("CODORGAO")),
                row.text(QStringLiteral("CODUNIDADE")),
                row.text(QStringLiteral("CODFUNCAO")),
                row.text(QStringLiteral("CODSUBFUNCAO")),
                row.text(QStringLiteral("NATUREZA")),
                row.text(numberAlias),
                row.text(QStringLiteral("ELEMENTO")),
                row.text(QStringLiteral("SUBELEMENTO")),
                row.text(QStringLiteral("NROEMPENHO"))};
    }
    QStringList values() const {
        return {programa, poder,  orgao,    funcao,      subfuncao,
                natureza, numero, elemento, subelemento, nempg};
    }
    QString classification() const {
        return programa + poder + orgao + funcao + subfuncao + natureza + numero + elemento +
               subelemento;
    }
};

class EmpWriter {
public:
    explicit EmpWriter(RunContext& c);
    void run();

private:
    Statement prepare(const char* head, const QString& tail) {
        return c_.transaction().prepare(QLatin1String(head) + base_ + tail);
    }
    void check(bool failed, const QString& recordType, const QString& table, const QString& field,
               int code = 1) {
        if (failed)
            c_.log_erro(recordType, c_.SeqRegistro, table, field, code);
    }
    void checkKey(const Key& k, const QString& recordType, bool subelementTrimmed,
                  const QString& nempgChecked);
    QString amount(const DbRow& row, const char* column, const QString& recordType) {
        return ExpenseAmounts::amount13(c_.arquivo().fixedAmount(
            row.value(QLatin1String(column)).toDecimal(), 9, recordType, c_.SeqRegistro,
            QStringLiteral("DESPES"), QStringLiteral("VADEM")));
    }
    void write(const QString& record) {
        c_.arquivo().writeRecord(record + Fields::sequence(c_.SeqRegistro));
        ++c_.SeqRegistro;
    }
    void writeCommitment(const DbRow& row);

    RunContext& c_;
    QString base_;
    QStringList baseParams_;
    Statement commitments_, detail_, sources_, works_;
};

// The entity, its budgetary cards, the period and the fiscal year.
QString baseCondition(const RunContext& c) {
    const QString filter = c.isMonthly() ? QStringLiteral(" AND EXTRACT(MONTH FROM A.DATAE) = ? ")
                                         : QStringLiteral(" AND EXTRACT(MONTH FROM A.DATAE) in (") +
                                               c.quadrimesterMonths() + u')';
    return QStringLiteral("? AND B.EXTRA = 'N' ") + filter +
           QStringLiteral(" AND EXTRACT(YEAR FROM A.DATAE) = ? ");
}

EmpWriter::EmpWriter(RunContext& c)
    : c_(c),
      base_(baseCondition(c)),
      baseParams_(c.isMonthly()
                      ? QStringList{c.entity.text(QStringLiteral("EMPRESA")), c.Mes, c.Exercicio}
                      : QStringList{c.entity.text(QStringLiteral("EMPRESA")), c.Exercicio}),
      commitments_(prepare(kCommitmentHead, QStringLiteral("AND A.VADEM > 0 ") +
                                                QLatin1String(kGrouping) +
                                                QStringLiteral("A.NEMPG"))),
      detail_(prepare(kDetailHead, QLatin1String(kKey) + QStringLiteral("AND A.VADEM > 0 "))),
      sources_(prepare(kSourceHead, QStringLiteral("AND A.VADEM > 0 ") + QLatin1String(kKey) +
                                        QLatin1String(kGrouping) +
                                        QStringLiteral("A.NEMPG,B.FONGRUPO"))),
      works_(prepare(kWorksHead, QStringLiteral("AND A.VADEM > 0 ") + QLatin1String(kKey) +
                                     QLatin1String(kGrouping) +
                                     QStringLiteral("A.NEMPG,A.CODOBRA,C.ANO"))) {}

void EmpWriter::checkKey(const Key& k, const QString& recordType, bool subelementTrimmed,
                         const QString& nempgChecked) {
    check(blank(k.programa), recordType, kDesdis, QStringLiteral("PROGRAMA"));
    check(blank(k.poder), recordType, kDesdis, QStringLiteral("PODER"));
    check(blank(k.orgao), recordType, kDesdis, QStringLiteral("ORGAO"));
    check(blank(k.funcao), recordType, kDesdis, QStringLiteral("FUNCAO"));
    check(blank(k.subfuncao), recordType, kDesdis, QStringLiteral("SUBFUNCAO"));
    check(blank(k.natureza), recordType, kDesdis, QStringLiteral("PROJATIV"));
    check(blank(k.numero), recordType, kDesdis, QStringLiteral("PROJATIV"));
    check(blank(k.elemento), recordType, kDesdis, QStringLiteral("CATEC"));
    check(blank(k.subelemento), recordType, kDesdis, QStringLiteral("CATEC"));
    const QString sub = subelementTrimmed ? k.subelemento.trimmed() : k.subelemento;
    check(sub == u"00", recordType, kDesdis, QStringLiteral("DESDOBRO"), 4);
    check(blank(nempgChecked), recordType, QStringLiteral("DESPES"), QStringLiteral("NEMPG"));
}

void EmpWriter::run() {
    std::vector<DbRow> rows;
    {
        Cursor cursor = commitments_.open(baseParams_);
        while (cursor.next())
            rows.push_back(cursor.row());
    }
    c_.p1().reset(int(rows.size()) + 1);
    for (const DbRow& row : rows)
        writeCommitment(row);
    c_.arquivo().writeRecord(QStringLiteral("99") + Fields::vazio(319) +
                             Fields::sequence(c_.SeqRegistro));
    c_.p1().step();
}

void EmpWriter::writeCommitment(const DbRow& row) {
    const QString r10 = QStringLiteral("10"), r11 = QStringLiteral("11"),
                  r12 = QStringLiteral("12");
    const Key key = Key::of(row, QStringLiteral("NROPROJATIV"));
    const auto detail = detail_.first(baseParams_ + key.values());
    auto detailText = [&](const char* column) {
        return detail ? detail->text(QLatin1String(column)) : QString();
    };

    checkKey(key, r10, false, key.nempg.left(6));
    // The date's text is ddmmyyyy; a missing date keeps its eight columns as blanks.
    const QString date = detailText("DTEMPENHO").left(8);
    check(blank(date), r10, QStringLiteral("DESPES"), QStringLiteral("DATAE"));
    const QString nome = detailText("NOMECREDOR").left(50);
    check(blank(nome), r10, QStringLiteral("DESFOR"), QStringLiteral("NOME"));
    const QString codtip = detailText("TIPOCREDOR");
    const QString tipo = ExpenseAmounts::creditorType(codtip);
    check(tipo == u"0", r10, QStringLiteral("DESFOR"), QStringLiteral("CODTIP"), 4);
    const QString insmf = detailText("CPFCNPJ");
    check(blank(ExpenseAmounts::cpfCnpjDigits(insmf)), r10, QStringLiteral("DESFOR"),
          QStringLiteral("INSMF"));
    const QString produ = detailText("ESPECIFICACAO").left(200);
    check(blank(produ), r10, QStringLiteral("DESPES"), QStringLiteral("PRODU"));
    write(r10 + key.classification() + ExpenseAmounts::commitmentNumber6(key.nempg) +
          row.text(QStringLiteral("TIPOEMPENHO")) + Fields::text(date, 8) +
          amount(row, "VLRBRUTO", r10) + Fields::text(nome, 50) + tipo +
          ExpenseAmounts::cpfCnpj(insmf) + Fields::text(produ, 200));
    c_.p1().step();

    std::vector<DbRow> sources;
    {
        Cursor cursor = sources_.open(baseParams_ + key.values());
        while (cursor.next())
            sources.push_back(cursor.row());
    }
    for (const DbRow& source : sources) {
        const Key sk = Key::of(source, QStringLiteral("PROJATIV"));
        const QString fonte = source.text(QStringLiteral("FONTE"));
        checkKey(sk, r11, true, sk.nempg.left(6));
        check(blank(fonte), r11, kDesdis, QStringLiteral("FONGRUPO"));
        write(r11 + sk.classification() + ExpenseAmounts::commitmentNumber6(sk.nempg) +
              Fields::number(fonte, 2) + amount(source, "VALOR", r11) + Fields::vazio(273));

        Cursor works = works_.open(baseParams_ + sk.values());
        while (works.next()) {
            const DbRow& work = works.row();
            const Key wk = Key::of(work, QStringLiteral("PROJATIV"));
            checkKey(wk, r12, false, wk.nempg);
            check(blank(fonte), r12, kDesdis, QStringLiteral("FONGRUPO"));
            write(r12 + wk.classification() + Fields::number(wk.nempg, 6) +
                  Fields::number(work.text(QStringLiteral("CODOBRA")), 8) +
                  amount(work, "VALOR", r12) + Fields::vazio(267));
        }
    }
}

}  // namespace

void BC_EMPMMAA(RunContext& c) {
    const QString name = QStringLiteral("EMP") + c.Mes + c.twoDigitYear() + QStringLiteral(".TXT");
    c.SeqRegistro = 1;
    c.arquivo().open(name, QStringLiteral("BC_EMPMMAA"));
    EmpWriter(c).run();
    c.arquivo().Fecha_arq();
}
