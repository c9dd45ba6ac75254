#include "balance/BC_DSPMMAA.h"

#include <vector>

#include "app/RunContext.h"
#include "output/Fields.h"

namespace DspAmount {

QString plain(const QString& money) {
    return Fields::number(money, 13);
}

QString negative(const QString& money) {
    return Fields::signedAmount(money, 13);
}

}  // namespace DspAmount

namespace {

const QString kActionColumns = QStringLiteral(
    "SELECT A.PROGRAMA AS CODPROGRAMA,A.PODER AS CODORGAO,A.ORGAO AS CODUNIDADE,A.FUNCAO AS "
    "CODFUNCAO,A.SUBFUNCAO AS CODSUBFUNCAO,SUBSTRING(A.PROJATIV FROM 1 FOR 1) AS "
    "NATUREZAACAO,SUBSTRING(A.PROJATIV FROM 2 FOR 4) AS NROPROJATIV,");
const QString kActionGroup = QStringLiteral(
    "GROUP BY A.PROGRAMA,A.PODER,A.ORGAO,A.FUNCAO,A.SUBFUNCAO,SUBSTRING(A.PROJATIV FROM 1 FOR "
    "1),SUBSTRING(A.PROJATIV FROM 2 FOR 4),");
const QString kActionCondition = QStringLiteral(
    "AND A.PROGRAMA = ? AND A.PODER = ? AND A.ORGAO = ? AND A.FUNCAO = ? AND A.SUBFUNCAO = ? "
    "AND SUBSTRING(A.PROJATIV FROM 1 FOR 1) = ? AND SUBSTRING(A.PROJATIV FROM 2 FOR 4) = ? ");
const QString kCardHead = QStringLiteral(
    "select * from desdis where programa = ? and poder = ? and orgao = ? and funcao = ? and "
    "subfuncao = ? and projativ = ? ");
const QString kCardTail = QStringLiteral("and substring(catec from 1 for 9) = ? AND EXTRA = 'N' ");

bool isEmpty(const QString& s) {
    return s.trimmed().isEmpty();
}

// The seven codes every record starts with, as the row gives them.
struct Prefix {
    QString programa, poder, orgao, funcao, subfuncao, natureza, numero;
    explicit Prefix(const DbRow& r)
        : programa(r.text(QStringLiteral("CODPROGRAMA"))),
          poder(r.text(QStringLiteral("CODORGAO"))),
          orgao(r.text(QStringLiteral("CODUNIDADE"))),
          funcao(r.text(QStringLiteral("CODFUNCAO"))),
          subfuncao(r.text(QStringLiteral("CODSUBFUNCAO"))),
          natureza(r.text(QStringLiteral("NATUREZAACAO"))),
          numero(r.text(QStringLiteral("NROPROJATIV"))) {}
    QString text() const {
        return programa + Fields::number(poder, 2) + orgao + funcao + subfuncao + natureza + numero;
    }
    // The action's conditions, with the values as the query returned them.
    QStringList action() const {
        return {programa, poder, orgao, funcao, subfuncao, natureza, numero};
    }
    // The card lookup's conditions: the organ padded, nature and number joined.
    QStringList card() const {
        return {programa, Fields::number(poder, 2), orgao, funcao, subfuncao, natureza + numero};
    }
};

// Characters 1, 3, 5-6 and 8-9 of c.g.mm.ee.
QString element(const QString& e) {
    return e.mid(0, 1) + e.mid(2, 1) + e.mid(4, 2) + e.mid(7, 2);
}

class DspFile {
public:
    explicit DspFile(RunContext& c);
    void run();

private:
    void log(const char* record, const char* table, const char* field) {
        c_.log_erro(QString::fromLatin1(record), c_.SeqRegistro, QString::fromLatin1(table),
                    QString::fromLatin1(field), 1);
    }
    void checkPrefix(const char* record, const Prefix& p) {
        const std::pair<const QString*, const char*> codes[] = {
            {&p.programa, "PROGRAMA"}, {&p.poder, "PODER"},         {&p.orgao, "ORGAO"},
            {&p.funcao, "FUNCAO"},     {&p.subfuncao, "SUBFUNCAO"}, {&p.natureza, "PROJATIV"},
            {&p.numero, "PROJATIV"}};
        for (const auto& [value, field] : codes)
            if (isEmpty(*value))
                log(record, "DESDIS", field);
    }
    QString money(const Decimal& value, const char* record, const char* table, const char* field) {
        return Fields::withComma(
            c_.arquivo().fixedAmount(value, 9, QString::fromLatin1(record), c_.SeqRegistro,
                                     QString::fromLatin1(table), QString::fromLatin1(field)));
    }
    // The six amounts of an element or a source: appropriation, supplements, reductions,
    // accumulated total before the period, commitments and cancellations.
    QString movements(const QString& card, const Decimal& orcado, const char* record);
    void write(const QString& record) {
        c_.arquivo().writeRecord(record);
        ++c_.SeqRegistro;
    }

    RunContext& c_;
    QString empresa_;
    bool monthly_;
    QString limit_;  // the last month before the period
    Statement actions_, elements_, sources_, card_, cardOfSource_, cardOfNullSource_;
    Statement acrescimos_, reducoes_, empenhos_, anulacoes_;
    Statement acrescimosAntes_, reducoesAntes_, empenhosAntes_, anulacoesAntes_;
};

Statement periodSum(RunContext& c, bool monthly, const char* head, const char* quadHead,
                    const char* column, const char* sign) {
    const QString window = monthly ? QString::fromLatin1(head) + QStringLiteral("? ")
                                   : QString::fromLatin1(quadHead) +
                                         QStringLiteral("WHERE EXTRACT(MONTH FROM ") +
                                         QString::fromLatin1(column) + QStringLiteral(") in (") +
                                         c.quadrimesterMonths() + QStringLiteral(")  ");
    return c.transaction().prepare(window + QStringLiteral("AND FICHA = ? ") +
                                   QString::fromLatin1(sign) + QStringLiteral("GROUP BY FICHA"));
}

DspFile::DspFile(RunContext& c)
    : c_(c),
      empresa_(c.entity.text(QStringLiteral("EMPRESA"))),
      monthly_(c.isMonthly()),
      limit_(monthly_ ? QStringLiteral("%1").arg(c.Mes.toInt() - 1, 2, 10, QChar(u'0'))
                      : QStringLiteral("%1").arg(c.quadrimesterFirstMonth().toInt() - 1, 2, 10,
                                                 QChar(u'0'))),
      actions_(c.transaction().prepare(
          kActionColumns +
          QStringLiteral("B.NOME AS DESCUNIDADEORC,C.NOME AS DESCPROJATIV,SUM(A.DOTAC) AS "
                         "TOTALACAO FROM DESDIS A INNER JOIN TABORGAO B ON B.PODER = A.PODER AND "
                         "B.ORGAO = A.ORGAO INNER JOIN TABPROJATIV C ON C.PROJATIV = A.PROJATIV "
                         "WHERE A.EMPRESA = ? AND A.EXTRA = 'N' ") +
          kActionGroup + QStringLiteral("B.NOME,C.NOME"))),
      elements_(c.transaction().prepare(
          kActionColumns +
          QStringLiteral("SUBSTRING(A.CATEC FROM 1 FOR 9) AS ELEMENTODESPESA,SUM(A.DOTAC) AS "
                         "TOTALORCADO FROM DESDIS A WHERE A.EMPRESA = ? ") +
          kActionCondition + QStringLiteral("AND A.EXTRA = 'N' ") + kActionGroup +
          QStringLiteral("SUBSTRING(A.CATEC FROM 1 FOR 9)"))),
      sources_(c.transaction().prepare(
          kActionColumns +
          QStringLiteral(
              "SUBSTRING(A.CATEC FROM 1 FOR 9) AS ELEMENTODESPESA,A.FONGRUPO AS "
              "FONTEREC, SUM(A.DOTAC) AS TOTALORCADO FROM DESDIS A WHERE A.EMPRESA = ? ") +
          kActionCondition +
          QStringLiteral("AND SUBSTRING(A.CATEC FROM 1 FOR 9) = ? AND A.EXTRA = 'N' ") +
          kActionGroup + QStringLiteral("SUBSTRING(A.CATEC FROM 1 FOR 9),a.FONGRUPO"))),
      card_(c.transaction().prepare(kCardHead + kCardTail)),
      cardOfSource_(
          c.transaction().prepare(kCardHead + QStringLiteral("and fongrupo = ? ") + kCardTail)),
      cardOfNullSource_(
          c.transaction().prepare(kCardHead + QStringLiteral("and fongrupo is null ") + kCardTail)),
      acrescimos_(periodSum(c, monthly_,
                            "SELECT FICHA,SUM(VALOR) AS VRACRESCIMOS FROM DESALD WHERE "
                            "EXTRACT(MONTH FROM DTLAN) = ",
                            "SELECT FICHA,SUM(VALOR) AS VRACRESCIMOS FROM DESALD ", "DTLAN",
                            "AND VALOR >='0' ")),
      reducoes_(periodSum(c, monthly_,
                          "SELECT FICHA,SUM(VALOR) AS VRREDUCOES FROM DESALD WHERE EXTRACT(MONTH "
                          "FROM DTLAN) = ",
                          "SELECT FICHA,SUM(VALOR) AS VRREDUCOES FROM DESALD ", "DTLAN",
                          "AND VALOR < '0' ")),
      empenhos_(periodSum(c, monthly_,
                          "SELECT FICHA,SUM(VADEM) AS VLEMPENHO FROM DESPES WHERE EXTRACT(MONTH "
                          "FROM DATAE) = ",
                          "SELECT FICHA,SUM(VADEM) AS VLEMPENHO FROM DESPES ", "DATAE",
                          "AND VADEM >= '0' ")),
      anulacoes_(periodSum(c, monthly_,
                           "SELECT FICHA,SUM(VADEM) AS VLANULA FROM DESPES WHERE EXTRACT(MONTH "
                           "FROM DATAE) = ",
                           "SELECT FICHA,SUM(VADEM) AS VLANULA FROM DESPES ", "DATAE",
                           "AND VADEM < '0' ")),
      acrescimosAntes_(c.transaction().prepare(QStringLiteral(
          "SELECT SUM(VALOR) AS VRACRESCIMOS FROM DESALD WHERE EXTRACT(MONTH FROM DTLAN) <= ? "
          "AND FICHA = ? AND VALOR >='0'"))),
      reducoesAntes_(c.transaction().prepare(QStringLiteral(
          "SELECT SUM(VALOR) AS VRREDUCAO FROM DESALD WHERE EXTRACT(MONTH FROM DTLAN) <= ? AND "
          "FICHA = ? AND VALOR < '0'"))),
      empenhosAntes_(c.transaction().prepare(QStringLiteral(
          "SELECT SUM(VADEM) AS VLEMPENHO FROM DESPES WHERE EXTRACT(MONTH FROM DATAE) <= ? AND "
          "FICHA = ? AND VADEM >= '0'"))),
      anulacoesAntes_(c.transaction().prepare(QStringLiteral(
          "SELECT SUM(VADEM) AS VLANULA FROM DESPES WHERE EXTRACT(MONTH FROM DATAE) <= ? AND "
          "FICHA = ? AND VADEM < '0'"))) {}

QString DspFile::movements(const QString& card, const Decimal& orcado, const char* record) {
    const QStringList period = monthly_ ? QStringList{c_.Mes, card} : QStringList{card};
    auto sum = [&](Statement& s, const char* column, const char* table, const char* field,
                   bool negative) {
        const std::optional<DbRow> row = s.first(period);
        if (!row)
            return DspAmount::kNone;
        const QString m =
            money(row->value(QString::fromLatin1(column)).toDecimal(), record, table, field);
        return negative ? DspAmount::negative(m) : DspAmount::plain(m);
    };
    auto before = [&](Statement& s, const char* column) {
        const std::optional<DbRow> row = s.first({limit_, card});
        return row ? row->value(QString::fromLatin1(column)).toDecimal() : Decimal();
    };
    const QString acrescimos = sum(acrescimos_, "VRACRESCIMOS", "DESALD", "VALOR", false);
    const QString reducoes = sum(reducoes_, "VRREDUCOES", "DESALD", "VALOR", true);
    const Decimal acumulado =
        orcado + before(acrescimosAntes_, "VRACRESCIMOS") + before(reducoesAntes_, "VRREDUCAO") +
        before(empenhosAntes_, "VLEMPENHO") + before(anulacoesAntes_, "VLANULA");
    const QString empenhos = sum(empenhos_, "VLEMPENHO", "DESPES", "VADEM", false);
    const QString anulacoes = sum(anulacoes_, "VLANULA", "DESPES", "VADEM", true);
    return DspAmount::plain(money(orcado, record, "DESDIS", "DOTAC")) + acrescimos + reducoes +
           DspAmount::plain(money(acumulado, record, "DESDIS", "DOTAC")) + empenhos + anulacoes;
}

void DspFile::run() {
    std::vector<DbRow> actions;
    {
        Cursor cursor = actions_.open({empresa_});
        while (cursor.next())
            actions.push_back(cursor.row());
    }
    c_.p1().reset(int(actions.size()) + 1);

    for (const DbRow& a : actions) {
        const Prefix action(a);
        checkPrefix("10", action);
        const QString unidade = a.text(QStringLiteral("DESCUNIDADEORC")).left(25);
        const QString projativ = a.text(QStringLiteral("DESCPROJATIV")).left(200);
        if (isEmpty(unidade))
            log("10", "TABORGAO", "NOME");
        if (isEmpty(projativ))
            log("10", "TABPROJATIV", "NOME");
        write(QStringLiteral("10") + action.text() + Fields::text(unidade, 25) +
              Fields::text(projativ, 200) +
              DspAmount::plain(money(a.value(QStringLiteral("TOTALACAO")).toDecimal(), "10",
                                     "DESDIS", "DOTAC")) +
              Fields::sequence(c_.SeqRegistro));

        std::vector<DbRow> elements;
        {
            Cursor cursor = elements_.open(QStringList{empresa_} + action.action());
            while (cursor.next())
                elements.push_back(cursor.row());
        }
        for (const DbRow& e : elements) {
            const Prefix prefix(e);
            checkPrefix("11", prefix);
            const QString elementoDespesa = e.text(QStringLiteral("ELEMENTODESPESA"));
            const std::optional<DbRow> card = card_.first(prefix.card() << elementoDespesa);
            const QString ficha = card ? card->text(QStringLiteral("FICHA")) : QString();
            const QString amounts =
                movements(ficha, e.value(QStringLiteral("TOTALORCADO")).toDecimal(), "11");
            write(QStringLiteral("11") + prefix.text() + element(elementoDespesa) + amounts +
                  Fields::vazio(154) + Fields::sequence(c_.SeqRegistro));

            std::vector<DbRow> sources;
            {
                Cursor cursor =
                    sources_.open(QStringList{empresa_} + action.action() << elementoDespesa);
                while (cursor.next())
                    sources.push_back(cursor.row());
            }
            for (const DbRow& s : sources) {
                const Prefix sp(s);
                checkPrefix("12", sp);
                const QString fonte = s.text(QStringLiteral("FONTEREC"));
                if (isEmpty(fonte))
                    log("12", "DESDIS", "FONGRUPO");
                const QString sourceElement = s.text(QStringLiteral("ELEMENTODESPESA"));
                QStringList key = sp.card();
                std::optional<DbRow> sourceCard;
                if (isEmpty(fonte)) {
                    sourceCard = cardOfNullSource_.first(key << sourceElement);
                } else {
                    sourceCard = cardOfSource_.first(key << fonte << sourceElement);
                }
                const QString sourceFicha =
                    sourceCard ? sourceCard->text(QStringLiteral("FICHA")) : QString();
                const QString sourceAmounts = movements(
                    sourceFicha, s.value(QStringLiteral("TOTALORCADO")).toDecimal(), "12");
                if (isEmpty(sourceElement))
                    log("12", "DESDIS", "CATEC");
                write(QStringLiteral("12") + sp.text() + element(sourceElement) +
                      Fields::number(fonte, 2) + sourceAmounts + Fields::vazio(152) +
                      Fields::sequence(c_.SeqRegistro));
            }
        }
        c_.p1().step();
    }

    c_.arquivo().writeRecord(QStringLiteral("99") + Fields::vazio(255) +
                             Fields::sequence(c_.SeqRegistro));
    c_.p1().step();
    c_.arquivo().Fecha_arq();
}

}  // namespace

void BC_DSPMMAA(RunContext& c) {
    c.SeqRegistro = 1;
    c.arquivo().open(QStringLiteral("DSP") + c.Mes + c.twoDigitYear() + QStringLiteral(".TXT"),
                     QStringLiteral("BC_DSPMMAA"));
    DspFile(c).run();
}
