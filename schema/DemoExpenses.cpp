#include <QDate>
#include <QString>
#include <vector>

#include "schema/DemoData.h"
#include "settings/Transaction.h"

namespace DemoData {

namespace {

struct Organ {
    const char* poder;
    const char* nome;
    const char* unit01;
    const char* unit02;
};

const Organ kOrgans[] = {
    {"01", "CÂMARA MUNICIPAL", "SECRETARIA DA CÂMARA", "DIRETORIA LEGISLATIVA"},
    {"02", "PREFEITURA MUNICIPAL - GABINETE DO PREFEITO", "GABINETE DO PREFEITO",
     "SECRETARIA DE ADMINISTRAÇÃO E FINANÇAS"},
    {"03", "SECRETARIA MUNICIPAL DE EDUCAÇÃO", "DEPARTAMENTO DE ENSINO FUNDAMENTAL",
     "FUNDO DE MANUTENÇÃO DA EDUCAÇÃO BÁSICA"},
    {"04", "SECRETARIA MUNICIPAL DE SAÚDE", "DEPARTAMENTO DE ATENÇÃO BÁSICA",
     "FUNDO MUNICIPAL DE SAÚDE"},
};

struct Action {
    const char* code;
    const char* nome;  // nullptr: an action registered without a name
};

const Action kActions[] = {
    {"1001", "CONSTRUÇÃO E REFORMA DE PRÉDIOS PÚBLICOS"},
    {"1002", "PAVIMENTAÇÃO DE VIAS URBANAS"},
    {"1003", "CONSTRUÇÃO DE UNIDADES BÁSICAS DE SAÚDE"},
    {"2001", "MANUTENÇÃO DAS ATIVIDADES LEGISLATIVAS"},
    {"2002", "MANUTENÇÃO DO GABINETE DO PREFEITO"},
    {"2003", "GESTÃO ADMINISTRATIVA E FINANCEIRA"},
    {"2004", "MANUTENÇÃO DO ENSINO FUNDAMENTAL"},
    {"2005", "REMUNERAÇÃO DOS PROFISSIONAIS DO MAGISTÉRIO"},
    {"2006", "MANUTENÇÃO DA ATENÇÃO BÁSICA À SAÚDE"},
    {"2007", "AQUISIÇÃO DE MEDICAMENTOS"},
    {"2008", nullptr},
};

// One budget action of an entity: program, organ and unit, function and subfunction, action.
struct Appropriation {
    int empresa;
    const char* programa;
    const char* poder;
    const char* orgao;
    const char* funcao;
    const char* subfuncao;
    const char* projativ;
    bool works;  // carries the works elements
};

const Appropriation kAppropriations[] = {
    {2, "0001", "01", "01", "01", "031", "2001", false},
    {2, "0001", "01", "02", "01", "031", "2001", false},
    {1, "0002", "02", "01", "04", "122", "2002", false},
    {1, "0003", "02", "02", "04", "122", "2003", false},
    {1, "0004", "02", "02", "15", "451", "1002", true},
    {1, "0005", "02", "01", "04", "122", "1001", true},
    {1, "0006", "03", "01", "12", "361", "2004", false},
    {1, "0006", "04", "01", "10", "301", "2007", false},
    {4, "0006", "03", "02", "12", "361", "2005", false},
    {4, "0006", "03", "02", "12", "361", "2008", false},
    {3, "0007", "04", "02", "10", "301", "2006", false},
    {3, "0007", "04", "02", "10", "301", "1003", true},
};

const char* const kCurrentElements[] = {"3.1.90.11.01", "3.1.90.13.01", "3.3.90.30.01",
                                        "3.3.90.30.02", "3.3.90.36.01", "3.3.90.39.01"};
const char* const kWorksElements[] = {"4.4.90.51.01", "4.4.90.52.01"};
const char* const kSources[] = {"00", "01", "02", "15"};

const char* const kFirstNames[] = {"JOSÉ", "MARIA", "JOÃO",      "ANTÔNIO",   "FRANCISCA",
                                   "LUÍS", "ANA",   "SEBASTIÃO", "CONCEIÇÃO", "MÁRCIO"};
const char* const kLastNames[] = {"DA SILVA",  "GONÇALVES", "ARAÚJO",    "CORRÊA",
                                  "MAGALHÃES", "LEÃO",      "CONCEIÇÃO", "BRANDÃO"};
const char* const kCompanies[] = {"COMERCIAL GOIÂNIA",      "CONSTRUTORA PLANALTO",
                                  "DISTRIBUIDORA SÃO JOÃO", "PAPELARIA ALIANÇA",
                                  "AUTO PEÇAS CERRADO",     "FARMÁCIA POPULAR DO CENTRO"};
const char* const kDescriptions[] = {
    "AQUISIÇÃO DE MATERIAL DE EXPEDIENTE PARA A SECRETARIA",
    "PAGAMENTO DE SERVIÇOS DE MANUTENÇÃO DE VEÍCULOS",
    "FOLHA DE PAGAMENTO DOS SERVIDORES DO MÊS",
    "AQUISIÇÃO DE MEDICAMENTOS PARA A REDE BÁSICA DE SAÚDE",
    "FORNECIMENTO DE GÊNEROS ALIMENTÍCIOS PARA A MERENDA ESCOLAR",
    "EXECUÇÃO DE OBRA DE PAVIMENTAÇÃO ASFÁLTICA",
    "SERVIÇOS DE CONSULTORIA CONTÁBIL E JURÍDICA",
    "LOCAÇÃO DE IMÓVEL PARA O FUNCIONAMENTO DA UNIDADE",
};

struct Card {
    int ficha;
    int empresa;
    bool works;
};

}  // namespace

void fillExpenses(Context& c) {
    auto pick = [&](int n) { return int(c.random() % quint32(n)); };
    Transaction& t = c.t;

    Statement poder = t.prepare(QStringLiteral("INSERT INTO TABPODER (PODER, NOME) VALUES (?, ?)"));
    Statement orgao =
        t.prepare(QStringLiteral("INSERT INTO TABORGAO (PODER, ORGAO, NOME) VALUES (?, ?, ?)"));
    for (const Organ& o : kOrgans) {
        poder.execute({o.poder, QString::fromUtf8(o.nome)});
        // Unit "00" stands for the organ itself.
        orgao.execute({o.poder, "00", QString::fromUtf8(o.nome)});
        orgao.execute({o.poder, "01", QString::fromUtf8(o.unit01)});
        orgao.execute({o.poder, "02", QString::fromUtf8(o.unit02)});
    }
    Statement projativ =
        t.prepare(QStringLiteral("INSERT INTO TABPROJATIV (PROJATIV, NOME) VALUES (?, ?)"));
    for (const Action& a : kActions)
        projativ.execute({a.code, a.nome ? QString::fromUtf8(a.nome) : QString()});

    // Budget cards: every element of an action, for one or two sources; the scale repeats the
    // actions under further programs.
    Statement desdis = t.prepare(QStringLiteral(
        "INSERT INTO DESDIS (FICHA, EMPRESA, PROGRAMA, PODER, ORGAO, FUNCAO, SUBFUNCAO, "
        "PROJATIV, CATEC, FONGRUPO, DOTAC, EXTRA, BALCO) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, "
        "?, ?)"));
    std::vector<Card> cards;
    int ficha = 0;
    int entityCards[5] = {0, 0, 0, 0, 0};
    for (int round = 0; round < c.scale; ++round) {
        for (const Appropriation& a : kAppropriations) {
            const QString programa =
                round == 0
                    ? QString::fromLatin1(a.programa)
                    : QStringLiteral("%1").arg(100 + round * 10 + QString(a.programa).toInt(), 4,
                                               10, QChar(u'0'));
            std::vector<const char*> elements(std::begin(kCurrentElements),
                                              std::end(kCurrentElements));
            if (a.works)
                elements.insert(elements.end(), std::begin(kWorksElements),
                                std::end(kWorksElements));
            for (const char* element : elements) {
                if (!a.works && pick(3) == 0)
                    continue;  // not every action uses every element
                const int sources = pick(4) == 0 ? 2 : 1;
                const int firstSource = pick(3);
                for (int s = 0; s < sources; ++s) {
                    ++ficha;
                    QString fongrupo = QString::fromLatin1(kSources[firstSource + s]);
                    QString catec = QString::fromLatin1(element);
                    // Data problems the logs report: a card without source, a card without
                    // sub-element.
                    const int ofEntity = ++entityCards[a.empresa];
                    if (round == 0 && a.empresa == 1 && ofEntity == 3)
                        fongrupo = QString();
                    if (round == 0 && a.empresa != 2 && ofEntity == 2)
                        catec = catec.left(10) + QStringLiteral("00");
                    const qint64 dotac = 1000000 + qint64(pick(50000)) * 1000 + pick(100);
                    desdis.execute({QString::number(ficha), QString::number(a.empresa), programa,
                                    a.poder, a.orgao, a.funcao, a.subfuncao, a.projativ, catec,
                                    fongrupo, money(dotac), "N", "3.3.1"});
                    cards.push_back({ficha, a.empresa, a.works && catec.startsWith(u"4.4")});
                }
            }
        }
    }
    // Extra-budgetary cards take part in no expenditure file.
    for (int empresa = 1; empresa <= 4; ++empresa) {
        ++ficha;
        desdis.execute({QString::number(ficha), QString::number(empresa), "0000", "02", "01", "04",
                        "122", "2003", "3.3.90.39.01", "01", money(500000), "S", "2.1.8"});
    }

    // Alterations: supplements and reductions through the year.
    Statement desald = t.prepare(QStringLiteral(
        "INSERT INTO DESALD (FICHA, NLANC, DTLAN, VALOR, IE, DECRETO) VALUES (?, ?, ?, ?, ?, ?)"));
    const int alterations = 150 * c.scale;
    for (int i = 1; i <= alterations; ++i) {
        const Card& card = cards[size_t(pick(int(cards.size())))];
        const bool reduction = pick(3) == 0;
        const qint64 value = qint64(1000 + pick(200000)) * (reduction ? -1 : 1);
        desald.execute({QString::number(card.ficha), QString::number(i),
                        isoDate(c.year, 1 + pick(12), 1 + pick(28)), money(value),
                        reduction ? "R" : "S", QStringLiteral("%1/%2").arg(i).arg(c.year)});
    }

    // Creditors: people (CODTIP 1, CPF) and companies (2, CNPJ), typed with separators.
    Statement desfor = t.prepare(QStringLiteral(
        "INSERT INTO DESFOR (CODIF, NOME, CODTIP, INSMF, INEST, CEP, UF) VALUES (?, ?, ?, ?, ?, "
        "?, ?)"));
    const int creditors = 60 * c.scale;
    for (int i = 1; i <= creditors; ++i) {
        const bool person = i % 3 != 0;
        QString nome, insmf;
        if (person) {
            nome = QString::fromUtf8(kFirstNames[pick(10)]) + u' ' +
                   QString::fromUtf8(kLastNames[pick(8)]);
            const QString d =
                QStringLiteral("%1").arg(10000000000LL + i * 7919LL, 11, 10, QChar(u'0'));
            insmf = d.left(3) + u'.' + d.mid(3, 3) + u'.' + d.mid(6, 3) + u'-' + d.mid(9, 2);
        } else {
            nome = QString::fromUtf8(kCompanies[pick(6)]) + QStringLiteral(" LTDA %1").arg(i);
            const QString d =
                QStringLiteral("%1").arg(10000000000000LL + i * 104729LL, 14, 10, QChar(u'0'));
            insmf = d.left(2) + u'.' + d.mid(2, 3) + u'.' + d.mid(5, 3) + u'/' + d.mid(8, 4) +
                    u'-' + d.mid(12, 2);
        }
        QString codtip = person ? QStringLiteral("1") : QStringLiteral("2");
        // Data problems: a creditor of an unknown type, one without CPF/CNPJ.
        if (i == 5)
            codtip = QStringLiteral("3");
        if (i == 8)
            insmf = QString();
        desfor.execute({QString::number(i), nome, codtip, insmf, QString(), "73760000", "GO"});
    }

    // Public works, some begun the year before.
    Statement cadobra = t.prepare(
        QStringLiteral("INSERT INTO CADOBRA (SEQUENCIAL, ANO, DESCRICAO) VALUES (?, ?, ?)"));
    const int works = 10 * c.scale;
    for (int i = 1; i <= works; ++i)
        cadobra.execute({QString::number(i), QString::number(c.year - (i % 4 == 0 ? 1 : 0)),
                         QStringLiteral("OBRA Nº %1 - PAVIMENTAÇÃO E DRENAGEM").arg(i)});

    // Commitments, some reinforced by a second entry and some partly cancelled.
    Statement despes = t.prepare(QStringLiteral(
        "INSERT INTO DESPES (PKEMP, PKEMPA, FICHA, NEMPG, DATAE, VADEM, VAPAG, CODIF, CODOBRA, "
        "PRODU) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"));
    int pkemp = 0;
    int nempg[5] = {0, 0, 0, 0, 0};
    const int commitments = 900 * c.scale;
    for (int i = 0; i < commitments; ++i) {
        const Card& card = cards[size_t(pick(int(cards.size())))];
        const int number = ++nempg[card.empresa];
        const int month = 1 + pick(12);
        const int day = 1 + pick(25);
        const qint64 value = 5000 + qint64(pick(2000000));
        const QString codif = QString::number(1 + pick(creditors));
        const QString codobra = card.works ? QString::number(1 + pick(works)) : QString();
        QString produ = QString::fromUtf8(kDescriptions[pick(8)]);
        if (i == 10)
            produ = QString();  // a commitment without description
        const int first = ++pkemp;
        despes.execute({QString::number(first), QString(), QString::number(card.ficha),
                        QString::number(number), isoDate(c.year, month, day), money(value),
                        money(0), codif, codobra, produ});
        if (pick(10) == 0) {
            despes.execute({QString::number(++pkemp), QString(), QString::number(card.ficha),
                            QString::number(number), isoDate(c.year, month, day + 2),
                            money(value / 4), money(0), codif, codobra, produ});
        }
        if (pick(12) == 0) {
            const int cancelMonth = std::min(12, month + pick(3));
            despes.execute({QString::number(++pkemp), QString::number(first),
                            QString::number(card.ficha), QString::number(number),
                            isoDate(c.year, cancelMonth, 27), money(-(value / 2)), money(0), codif,
                            codobra, QStringLiteral("ANULAÇÃO PARCIAL DO EMPENHO")});
        }
    }
}

}  // namespace DemoData
