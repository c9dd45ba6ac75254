#include <QDate>
#include <QString>
#include <QStringList>

#include "schema/DemoData.h"
#include "settings/Transaction.h"

namespace DemoData {

namespace {

// A value in [lo, hi] from the generator's raw output, which the standard fixes for every
// platform (the distributions are not).
int pick(std::mt19937& random, int lo, int hi) {
    return lo + int(random() % quint32(hi - lo + 1));
}

// Cents as the decimal text a NUMERIC column takes: 123456 gives "1234.56".
QString amount(qint64 cents) {
    const qint64 whole = cents < 0 ? -cents : cents;
    return QStringLiteral("%1%2.%3")
        .arg(cents < 0 ? QStringLiteral("-") : QString())
        .arg(whole / 100)
        .arg(int(whole % 100), 2, 10, QChar(u'0'));
}

struct Heading {
    const char* codre;
    const char* nomre;  // null: a heading whose name was never filled in
};

// The revenue headings of the municipality. Two carry data problems that the REC log reports:
// one with an empty name, one without a name at all.
constexpr Heading kHeadings[] = {
    {"1112.02.00", "IMPOSTO SOBRE A PROPRIEDADE PREDIAL E TERRITORIAL URBANA - IPTU"},
    {"1112.04.31", "IMPOSTO DE RENDA RETIDO NAS FONTES SOBRE RENDIMENTOS DO TRABALHO"},
    {"1112.08.00", "IMPOSTO SOBRE TRANSMISSÃO INTER VIVOS DE BENS IMÓVEIS - ITBI"},
    {"1113.05.00", "IMPOSTO SOBRE SERVIÇOS DE QUALQUER NATUREZA - ISS"},
    {"1121.25.00", "TAXA DE LICENÇA PARA FUNCIONAMENTO DE ESTABELECIMENTOS"},
    {"1122.90.00", "OUTRAS TAXAS PELA PRESTAÇÃO DE SERVIÇOS"},
    {"1311.00.00", "ALUGUÉIS DE IMÓVEIS MUNICIPAIS"},
    {"1325.01.00", "RECEITA DE REMUNERAÇÃO DE DEPÓSITOS BANCÁRIOS"},
    {"1721.01.02", "COTA-PARTE DO FUNDO DE PARTICIPAÇÃO DOS MUNICÍPIOS - FPM"},
    {"1721.01.05", "COTA-PARTE DO IMPOSTO SOBRE A PROPRIEDADE TERRITORIAL RURAL - ITR"},
    {"1721.33.00", "TRANSFERÊNCIAS DE RECURSOS DO SUS - ATENÇÃO BÁSICA"},
    {"1722.01.01", "COTA-PARTE DO ICMS"},
    {"1722.01.02", "COTA-PARTE DO IPVA"},
    {"1724.01.00", "TRANSFERÊNCIAS DE RECURSOS DO FUNDEB"},
    {"1931.11.00", "RECEITA DA DÍVIDA ATIVA DO IPTU"},
    {"1990.99.00", ""},
    {"2471.99.00", nullptr},
    {"2422.01.00", "TRANSFERÊNCIAS DE CONVÊNIOS DA UNIÃO PARA OBRAS"},
};

struct Card {
    int empresa;
    const char* codre;
    int forecastReais;  // for a town of scale 1
};

// The entities' revenue cards. The prefecture's IPTU heading has two cards (the year's tax and
// the installments of earlier years).
constexpr Card kCards[] = {
    {1, "1112.02.00", 420000},  {1, "1112.02.00", 60000},  {1, "1112.04.31", 350000},
    {1, "1112.08.00", 180000},  {1, "1113.05.00", 900000}, {1, "1121.25.00", 45000},
    {1, "1122.90.00", 30000},   {1, "1311.00.00", 24000},  {1, "1325.01.00", 80000},
    {1, "1721.01.02", 7200000}, {1, "1721.01.05", 90000},  {1, "1722.01.01", 3600000},
    {1, "1722.01.02", 540000},  {1, "1931.11.00", 120000}, {1, "1990.99.00", 15000},
    {1, "2422.01.00", 800000},  {2, "1325.01.00", 6000},   {3, "1721.33.00", 1500000},
    {3, "1325.01.00", 12000},   {3, "2471.99.00", 200000}, {4, "1724.01.00", 2600000},
    {4, "1325.01.00", 18000},
};

}  // namespace

// RECTAB, RECDIS (cards numbered from 1, in the order above) and RECEIT: each card collects
// about a twelfth of its forecast a month, in one to three receipts per month for a town of
// scale 1 and proportionally more for a larger one; one IPTU receipt of March is reversed.
void fillRevenue(Context& c) {
    Statement heading =
        c.t.prepare(QStringLiteral("INSERT INTO RECTAB (CODRE, NOMRE) VALUES (?, ?)"));
    for (const Heading& h : kHeadings) {
        heading.execute(
            {QString::fromLatin1(h.codre), h.nomre ? QString::fromUtf8(h.nomre) : QString()});
    }

    Statement card =
        c.t.prepare(QStringLiteral("INSERT INTO RECDIS (FICHA, EMPRESA, CODRE, TOTOR, EXTRA) "
                                   "VALUES (?, ?, ?, ?, 'N')"));
    Statement receipt = c.t.prepare(
        QStringLiteral("INSERT INTO RECEIT (FICHA, DTREC, DTLAN, VAREC) VALUES (?, ?, ?, ?)"));
    int ficha = 0;
    for (const Card& k : kCards) {
        ++ficha;
        const qint64 forecast = qint64(k.forecastReais) * 100 * c.scale;
        card.execute({QString::number(ficha), QString::number(k.empresa),
                      QString::fromLatin1(k.codre), amount(forecast)});
        for (int month = 1; month <= 12; ++month) {
            const int count = pick(c.random, 1, 3) * c.scale;
            const qint64 monthly = forecast / 12 * pick(c.random, 80, 115) / 100;
            for (int i = 0; i < count; ++i) {
                const QDate date(c.year, month, pick(c.random, 1, 28));
                const QString day = date.toString(Qt::ISODate);
                receipt.execute({QString::number(ficha), day, day, amount(monthly / count)});
            }
        }
        if (ficha == 1) {
            // An estorno: a receipt booked twice in March taken back.
            const QString day = QDate(c.year, 3, 31).toString(Qt::ISODate);
            receipt.execute({QString::number(ficha), day, day, amount(-(forecast / 100))});
        }
    }
}

}  // namespace DemoData
