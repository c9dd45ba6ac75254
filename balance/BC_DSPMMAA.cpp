#include "balance/BC_DSPMMAA.h"

#include <vector>

#include "app/RunContext.h"
#include "balance/ExpenseAmounts.h"
#include "output/Fields.h"

namespace {

const QString kTable = QStringLiteral("DESDIS");

const char* const kActions =
    "SELECT A.PROGRAMA AS CODPROGRAMA,A.PODER AS CODORGAO,A.ORGAO AS CODUNIDADE,A.FUNCAO AS "
    "CODFUNCAO,A.SUBFUNCAO AS CODSUBFUNCAO,SUBSTRING(A.PROJATIV FROM 1 FOR 1) AS "
    "NATUREZAACAO,SUBSTRING(A.PROJATIV FROM 2 FOR 4) AS NROPROJATIV,B.NOME AS "
    "DESCUNIDADEORC,C.NOME "
    "AS DESCPROJATIV,SUM(A.DOTAC) AS TOTALACAO FROM DESDIS A INNER JOIN TABORGAO B ON B.PODER = "
    "A.PODER AND B.ORGAO = A.ORGAO INNER JOIN TABPROJATIV C ON C.PROJATIV = A.PROJATIV WHERE "
    "A.EMPRESA = ? AND A.EXTRA = 'N' GROUP BY A.PROGRAMA,A.PODER,A.ORGAO,A.FUNCAO,A.SUBFUNCAO,"
    "SUBSTRING(A.PROJATIV FROM 1 FOR 1),SUBSTRING(A.PROJATIV FROM 2 FOR 4),B.NOME,C.NOME";

#define DSP_ACTION_CONDITIONS                                                                  \
    "AND A.PROGRAMA = ? AND A.PODER = ? AND A.ORGAO = ? AND A.FUNCAO = ? AND A.SUBFUNCAO = ? " \
    "AND SUBSTRING(A.PROJATIV FROM 1 FOR 1) = ? AND SUBSTRING(A.PROJATIV FROM 2 FOR 4) = ? "
#define DSP_GROUPING                                                                 \
    "GROUP BY A.PROGRAMA,A.PODER,A.ORGAO,A.FUNCAO,A.SUBFUNCAO,SUBSTRING(A.PROJATIV " \
    "FROM 1 FOR 1),SUBSTRING(A.PROJATIV FROM 2 FOR 4),SUBSTRING(A.CATEC FROM 1 FOR 9)"

const char* const kElements =
    "SELECT A.PROGRAMA AS CODPROGRAMA,A.PODER AS CODORGAO,A.ORGAO AS CODUNIDADE,A.FUNCAO AS "
    "CODFUNCAO,A.SUBFUNCAO AS CODSUBFUNCAO,SUBSTRING(A.PROJATIV FROM 1 FOR 1) AS "
    "NATUREZAACAO,SUBSTRING(A.PROJATIV FROM 2 FOR 4) AS NROPROJATIV,SUBSTRING(A.CATEC FROM 1 FOR "
    "9) AS ELEMENTODESPESA,SUM(A.DOTAC) AS TOTALORCADO FROM DESDIS A WHERE A.EMPRESA = "
    "? " DSP_ACTION_CONDITIONS "AND A.EXTRA = 'N' " DSP_GROUPING;

const char* const kSources =
    "SELECT A.PROGRAMA AS CODPROGRAMA,A.PODER AS CODORGAO,A.ORGAO AS CODUNIDADE,A.FUNCAO AS "
    "CODFUNCAO,A.SUBFUNCAO AS CODSUBFUNCAO,SUBSTRING(A.PROJATIV FROM 1 FOR 1) AS "
    "NATUREZAACAO,SUBSTRING(A.PROJATIV FROM 2 FOR 4) AS NROPROJATIV,SUBSTRING(A.CATEC FROM 1 FOR "
    "9) AS ELEMENTODESPESA,A.FONGRUPO AS FONTEREC, SUM(A.DOTAC) AS TOTALORCADO FROM DESDIS A "
    "WHERE A.EMPRESA = ? " DSP_ACTION_CONDITIONS
    "AND SUBSTRING(A.CATEC FROM 1 FOR 9) = ? AND A.EXTRA = 'N' " DSP_GROUPING ",a.FONGRUPO";

#define DSP_CARD_HEAD                                                                     \
    "select * from desdis where programa = ? and poder = ? and orgao = ? and funcao = ? " \
    "and subfuncao = ? and projativ = ? "
#define DSP_CARD_TAIL "and substring(catec from 1 for 9) = ? AND EXTRA = 'N' "

const char* const kElementCard = DSP_CARD_HEAD DSP_CARD_TAIL;
const char* const kSourceCard = DSP_CARD_HEAD "and fongrupo = ? " DSP_CARD_TAIL;
const char* const kNullSourceCard = DSP_CARD_HEAD "and fongrupo is null " DSP_CARD_TAIL;

// The head of one period sum: monthly ("... = ?") or with the four-month window spelled out.
QString periodHead(const char* select, const char* dateColumn, bool monthly,
                   const QString& months) {
    QString sql = QString::fromLatin1(select) + QStringLiteral(" WHERE EXTRACT(MONTH FROM ") +
                  QLatin1String(dateColumn);
    if (monthly)
        return sql + QStringLiteral(") = ? ");
    return sql + QStringLiteral(") in (") + months + QStringLiteral(")  ");
}

QString periodSum(const char* select, const char* dateColumn, const char* sign, bool monthly,
                  const QString& months) {
    return periodHead(select, dateColumn, monthly, months) + QStringLiteral("AND FICHA = ? ") +
           QLatin1String(sign) + QStringLiteral("GROUP BY FICHA");
}

QString accumulatedSum(const char* select, const char* dateColumn, const char* sign) {
    return QLatin1String(select) + QStringLiteral(" WHERE EXTRACT(MONTH FROM ") +
           QLatin1String(dateColumn) + QStringLiteral(") <= ? AND FICHA = ? ") +
           QLatin1String(sign);
}

// The seven codes that open every data record, as read.
struct Prefix {
    QString programa, poder, orgao, funcao, subfuncao, natureza, numero;

    QStringList values() const {
        return {programa, poder, orgao, funcao, subfuncao, natureza, numero};
    }
    QString text(const QString& recordType) const {
        return recordType + programa + Fields::number(poder, 2) + orgao + funcao + subfuncao +
               natureza + numero;
    }
};

bool blank(const QString& s) {
    return s.trimmed().isEmpty();
}

// The element: characters 1, 3, 5-6 and 8-9 of c.g.mm.ee.
QString elementText(const QString& elementodespesa) {
    return elementodespesa.mid(0, 1) + elementodespesa.mid(2, 1) + elementodespesa.mid(4, 2) +
           elementodespesa.mid(7, 2);
}

class DspWriter {
public:
    explicit DspWriter(RunContext& c)
        : c_(c),
          empresa_(c.entity.text(QStringLiteral("EMPRESA"))),
          monthly_(c.isMonthly()),
          limit_(ExpenseAmounts::limitMonth(c.Mes, monthly_)),
          actions_(c.transaction().prepare(QLatin1String(kActions))),
          elements_(c.transaction().prepare(QLatin1String(kElements))),
          sources_(c.transaction().prepare(QLatin1String(kSources))),
          elementCard_(c.transaction().prepare(QLatin1String(kElementCard))),
          sourceCard_(c.transaction().prepare(QLatin1String(kSourceCard))),
          nullSourceCard_(c.transaction().prepare(QLatin1String(kNullSourceCard))),
          supplements_(prepare(periodSum("SELECT FICHA,SUM(VALOR) AS VRACRESCIMOS FROM DESALD",
                                         "DTLAN", "AND VALOR >='0' "))),
          reductions_(prepare(periodSum("SELECT FICHA,SUM(VALOR) AS VRREDUCOES FROM DESALD",
                                        "DTLAN", "AND VALOR < '0' "))),
          commitments_(prepare(periodSum("SELECT FICHA,SUM(VADEM) AS VLEMPENHO FROM DESPES",
                                         "DATAE", "AND VADEM >= '0' "))),
          cancellations_(prepare(periodSum("SELECT FICHA,SUM(VADEM) AS VLANULA FROM DESPES",
                                           "DATAE", "AND VADEM < '0' "))),
          supplementsBefore_(prepare(accumulatedSum("SELECT SUM(VALOR) AS VRACRESCIMOS FROM DESALD",
                                                    "DTLAN", "AND VALOR >='0'"))),
          reductionsBefore_(prepare(accumulatedSum("SELECT SUM(VALOR) AS VRREDUCAO FROM DESALD",
                                                   "DTLAN", "AND VALOR < '0'"))),
          commitmentsBefore_(prepare(accumulatedSum("SELECT SUM(VADEM) AS VLEMPENHO FROM DESPES",
                                                    "DATAE", "AND VADEM >= '0'"))),
          cancellationsBefore_(prepare(accumulatedSum("SELECT SUM(VADEM) AS VLANULA FROM DESPES",
                                                      "DATAE", "AND VADEM < '0'"))) {}

    void run();

private:
    Statement prepare(const QString& sql) { return c_.transaction().prepare(sql); }
    QString periodSum(const char* select, const char* column, const char* sign) const {
        return ::periodSum(select, column, sign, monthly_, c_.quadrimesterMonths());
    }
    Prefix readPrefix(const DbRow& row, const QString& recordType);
    QStringList cards(Statement& lookup, const QStringList& params);
    QString movementBlock(const QStringList& cards, const Decimal& totalOrcado,
                          const QString& recordType);
    QString money(const Decimal& value, const QString& recordType, const QString& table,
                  const QString& field) {
        return c_.arquivo().fixedAmount(value, 9, recordType, c_.SeqRegistro, table, field);
    }
    void check(const QString& value, const QString& recordType, const QString& table,
               const QString& field) {
        if (blank(value))
            c_.log_erro(recordType, c_.SeqRegistro, table, field, 1);
    }
    void write(const QString& record) {
        c_.arquivo().writeRecord(record + Fields::sequence(c_.SeqRegistro));
        ++c_.SeqRegistro;
    }
    void writeElement(const DbRow& action, const DbRow& element);
    void writeSource(const DbRow& source);

    RunContext& c_;
    QString empresa_;
    bool monthly_;
    QString limit_;
    Statement actions_, elements_, sources_;
    Statement elementCard_, sourceCard_, nullSourceCard_;
    Statement supplements_, reductions_, commitments_, cancellations_;
    Statement supplementsBefore_, reductionsBefore_, commitmentsBefore_, cancellationsBefore_;
};

Prefix prefixOf(const DbRow& row) {
    return {row.text(QStringLiteral("CODPROGRAMA")),  row.text(QStringLiteral("CODORGAO")),
            row.text(QStringLiteral("CODUNIDADE")),   row.text(QStringLiteral("CODFUNCAO")),
            row.text(QStringLiteral("CODSUBFUNCAO")), row.text(QStringLiteral("NATUREZAACAO")),
            row.text(QStringLiteral("NROPROJATIV"))};
}

Prefix DspWriter::readPrefix(const DbRow& row, const QString& recordType) {
    const Prefix p = prefixOf(row);
    check(p.programa, recordType, kTable, QStringLiteral("PROGRAMA"));
    check(p.poder, recordType, kTable, QStringLiteral("PODER"));
    check(p.orgao, recordType, kTable, QStringLiteral("ORGAO"));
    check(p.funcao, recordType, kTable, QStringLiteral("FUNCAO"));
    check(p.subfuncao, recordType, kTable, QStringLiteral("SUBFUNCAO"));
    check(p.natureza, recordType, kTable, QStringLiteral("PROJATIV"));
    check(p.numero, recordType, kTable, QStringLiteral("PROJATIV"));
    return p;
}

// Every card of the selected entity with this classification. An element (or a source) may
// have several cards, one per sub-element; its movements are those of all of them. No card
// gives the empty card, whose sums find no row.
QStringList DspWriter::cards(Statement& lookup, const QStringList& params) {
    QStringList result;
    Cursor cursor = lookup.open(params);
    while (cursor.next()) {
        if (cursor.text(QStringLiteral("EMPRESA")) == empresa_)
            result << cursor.text(QStringLiteral("FICHA"));
    }
    if (result.isEmpty())
        result << QStringLiteral("");
    return result;
}

QString DspWriter::movementBlock(const QStringList& cards, const Decimal& totalOrcado,
                                 const QString& recordType) {
    struct Sum {
        Decimal value;
        bool found = false;
    };
    auto period = [&](Statement& s, const char* column) {
        Sum sum;
        for (const QString& card : cards) {
            const auto row = monthly_ ? s.first({c_.Mes, card}) : s.first(QStringList{card});
            if (row) {
                sum.found = true;
                sum.value = sum.value + row->value(QLatin1String(column)).toDecimal();
            }
        }
        return sum;
    };
    auto before = [&](Statement& s, const char* column) {
        Decimal total;
        for (const QString& card : cards) {
            if (const auto row = s.first({limit_, card}))
                total = total + row->value(QLatin1String(column)).toDecimal();
        }
        return total;
    };
    const Sum supl = period(supplements_, "VRACRESCIMOS");
    const Sum red = period(reductions_, "VRREDUCOES");
    const Decimal accumulated = ExpenseAmounts::accumulatedTotal(
        totalOrcado, before(supplementsBefore_, "VRACRESCIMOS"),
        before(reductionsBefore_, "VRREDUCAO"), before(commitmentsBefore_, "VLEMPENHO"),
        before(cancellationsBefore_, "VLANULA"));
    const Sum emp = period(commitments_, "VLEMPENHO");
    const Sum anul = period(cancellations_, "VLANULA");

    const QString desald = QStringLiteral("DESALD"), despes = QStringLiteral("DESPES");
    const QString valor = QStringLiteral("VALOR"), vadem = QStringLiteral("VADEM");
    auto movement = [&](const Sum& s, const QString& table, const QString& field) {
        return ExpenseAmounts::movement(s.found,
                                        s.found ? money(s.value, recordType, table, field) : "");
    };
    return ExpenseAmounts::amount13(money(totalOrcado, recordType, kTable, "DOTAC")) +
           movement(supl, desald, valor) + movement(red, desald, valor) +
           ExpenseAmounts::amount13(money(accumulated, recordType, kTable, "DOTAC")) +
           movement(emp, despes, vadem) + movement(anul, despes, vadem);
}

void DspWriter::run() {
    std::vector<DbRow> actions;
    {
        Cursor cursor = actions_.open({empresa_});
        while (cursor.next())
            actions.push_back(cursor.row());
    }
    c_.p1().reset(int(actions.size()) + 1);
    const QString r10 = QStringLiteral("10");
    for (const DbRow& action : actions) {
        const Prefix prefix = readPrefix(action, r10);
        const QString unidade = action.text(QStringLiteral("DESCUNIDADEORC")).left(25);
        const QString projativ = action.text(QStringLiteral("DESCPROJATIV")).left(200);
        check(unidade, r10, QStringLiteral("TABORGAO"), QStringLiteral("NOME"));
        check(projativ, r10, QStringLiteral("TABPROJATIV"), QStringLiteral("NOME"));
        write(prefix.text(r10) + Fields::text(unidade, 25) + Fields::text(projativ, 200) +
              ExpenseAmounts::amount13(money(action.value(QStringLiteral("TOTALACAO")).toDecimal(),
                                             r10, kTable, QStringLiteral("DOTAC"))));

        std::vector<DbRow> elements;
        {
            Cursor cursor = elements_.open(QStringList{empresa_} + prefix.values());
            while (cursor.next())
                elements.push_back(cursor.row());
        }
        for (const DbRow& element : elements)
            writeElement(action, element);
        c_.p1().step();
    }
    c_.arquivo().writeRecord(QStringLiteral("99") + Fields::vazio(255) +
                             Fields::sequence(c_.SeqRegistro));
    c_.p1().step();
}

void DspWriter::writeElement(const DbRow& action, const DbRow& element) {
    const QString r11 = QStringLiteral("11");
    const Prefix prefix = readPrefix(element, r11);
    const QString elementodespesa = element.text(QStringLiteral("ELEMENTODESPESA"));
    // The card is looked up by the codes as stored, so that an organ stored "1" finds its card.
    const QStringList lookup = {prefix.programa, prefix.poder,     prefix.orgao,
                                prefix.funcao,   prefix.subfuncao, prefix.natureza + prefix.numero,
                                elementodespesa};
    const QString block = movementBlock(
        cards(elementCard_, lookup), element.value(QStringLiteral("TOTALORCADO")).toDecimal(), r11);
    write(prefix.text(r11) + elementText(elementodespesa) + block + Fields::vazio(154));

    std::vector<DbRow> sources;
    {
        const Prefix actionCodes = prefixOf(action);
        Cursor cursor = sources_.open(QStringList{empresa_} + actionCodes.values() +
                                      QStringList{elementodespesa});
        while (cursor.next())
            sources.push_back(cursor.row());
    }
    for (const DbRow& source : sources)
        writeSource(source);
}

void DspWriter::writeSource(const DbRow& source) {
    const QString r12 = QStringLiteral("12");
    const Prefix prefix = readPrefix(source, r12);
    const QString fonte = source.text(QStringLiteral("FONTEREC"));
    check(fonte, r12, kTable, QStringLiteral("FONGRUPO"));
    const QString elementodespesa = source.text(QStringLiteral("ELEMENTODESPESA"));
    const QStringList head = {prefix.programa, prefix.poder,     prefix.orgao,
                              prefix.funcao,   prefix.subfuncao, prefix.natureza + prefix.numero};
    const QStringList found = blank(fonte)
                                  ? cards(nullSourceCard_, head + QStringList{elementodespesa})
                                  : cards(sourceCard_, head + QStringList{fonte, elementodespesa});
    const QString block =
        movementBlock(found, source.value(QStringLiteral("TOTALORCADO")).toDecimal(), r12);
    const QString element = elementText(elementodespesa);
    check(element, r12, kTable, QStringLiteral("CATEC"));
    write(prefix.text(r12) + element + Fields::number(fonte, 2) + block + Fields::vazio(152));
}

}  // namespace

void BC_DSPMMAA(RunContext& c) {
    const QString name = QStringLiteral("DSP") + c.Mes + c.twoDigitYear() + QStringLiteral(".TXT");
    c.SeqRegistro = 1;
    c.arquivo().open(name, QStringLiteral("BC_DSPMMAA"));
    DspWriter(c).run();
    c.arquivo().Fecha_arq();
}
