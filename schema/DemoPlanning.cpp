#include <QDate>
#include <QString>
#include <vector>

#include "schema/DemoData.h"
#include "settings/Transaction.h"

namespace DemoData {

namespace {

struct Program {
    const char* code;
    const char* name;
    const char* objective;  // nullptr: a program registered without its objective
};

// The programs of the multi-year plan, with the codes the budget cards use. The last one lacks
// its objective, which the planning file's log reports.
const Program kPrograms[] = {
    {"0001", "PROCESSO LEGISLATIVO",
     "ASSEGURAR O FUNCIONAMENTO DA CÂMARA MUNICIPAL E O EXERCÍCIO DO MANDATO DOS VEREADORES"},
    {"0002", "GESTÃO DO GABINETE DO PREFEITO",
     "COORDENAR AS AÇÕES DE GOVERNO E A REPRESENTAÇÃO DO MUNICÍPIO"},
    {"0003", "GESTÃO ADMINISTRATIVA E FINANCEIRA",
     "MANTER OS SERVIÇOS ADMINISTRATIVOS, A ARRECADAÇÃO E A CONTABILIDADE DO MUNICÍPIO"},
    {"0004", "INFRAESTRUTURA URBANA", "AMPLIAR A PAVIMENTAÇÃO E A DRENAGEM DAS VIAS URBANAS"},
    {"0005", "OBRAS E PRÉDIOS PÚBLICOS", "CONSTRUIR E CONSERVAR OS PRÉDIOS DA ADMINISTRAÇÃO"},
    {"0006", "EDUCAÇÃO BÁSICA DE QUALIDADE",
     "GARANTIR O ACESSO E A PERMANÊNCIA DOS ALUNOS NO ENSINO FUNDAMENTAL"},
    {"0007", "SAÚDE PARA TODOS", nullptr},
};

struct PlanAction {
    int program;  // index in kPrograms
    const char* codlo;
    const char* funsubfun;
    const char* projativ;
    const char* descri;
    const char* produ;
    const char* unmed;
    bool works;
};

// The plan's actions on the organs "01".."04" and their units "01" and "02".
const PlanAction kPlanActions[] = {
    {0, "0101", "01.031", "2001", "MANUTENÇÃO DAS ATIVIDADES LEGISLATIVAS", "SESSÃO REALIZADA",
     "UNIDADE", false},
    {0, "0102", "01.031", "2001", "APOIO ÀS ATIVIDADES LEGISLATIVAS", "PROJETO ANALISADO",
     "UNIDADE", false},
    {1, "0201", "04.122", "2002", "MANUTENÇÃO DO GABINETE DO PREFEITO", "GABINETE MANTIDO",
     "UNIDADE", false},
    {2, "0202", "04.122", "2003", "GESTÃO ADMINISTRATIVA E FINANCEIRA", "SECRETARIA MANTIDA",
     "UNIDADE", false},
    {3, "0202", "15.451", "1002", "PAVIMENTAÇÃO DE VIAS URBANAS", "VIA PAVIMENTADA",
     "METRO QUADRADO", true},
    {4, "0201", "04.122", "1001", "CONSTRUÇÃO E REFORMA DE PRÉDIOS PÚBLICOS", "PRÉDIO REFORMADO",
     "UNIDADE", true},
    {5, "0301", "12.361", "2004", "MANUTENÇÃO DO ENSINO FUNDAMENTAL", "ALUNO MATRICULADO", "ALUNO",
     false},
    {5, "0401", "10.301", "2007", "AQUISIÇÃO DE MEDICAMENTOS", "MEDICAMENTO DISTRIBUÍDO", "UNIDADE",
     false},
    {5, "0302", "12.361", "2005", "REMUNERAÇÃO DOS PROFISSIONAIS DO MAGISTÉRIO",
     "PROFESSOR REMUNERADO", "PESSOA", false},
    {5, "0302", "12.361", "2008", "TRANSPORTE ESCOLAR", "ALUNO TRANSPORTADO", "ALUNO", false},
    {6, "0402", "10.301", "2006", "MANUTENÇÃO DA ATENÇÃO BÁSICA À SAÚDE", "FAMÍLIA ATENDIDA",
     "FAMÍLIA", false},
    {6, "0402", "10.301", "1003", "CONSTRUÇÃO DE UNIDADES BÁSICAS DE SAÚDE", "UNIDADE CONSTRUÍDA",
     "UNIDADE", true},
};

// Two sub-elements of 3.3.90.30 add up under one element of the planning file.
const char* const kCurrentElements[] = {"3.1.90.11.01", "3.1.90.13.01", "3.3.90.30.01",
                                        "3.3.90.30.02", "3.3.90.36.01", "3.3.90.39.01"};
const char* const kWorksElements[] = {"4.4.90.51.01", "4.4.90.52.01"};
const char* const kSources[] = {"00", "01", "02", "15"};

struct Forecast {
    const char* poder;
    const char* codre;
    int reais;  // for a town of scale 1
};

// The revenue forecast of the budget law by organ, on the suite's revenue headings.
const Forecast kForecasts[] = {
    {"01", "1325.01.00", 6000},    {"02", "1112.02.00", 480000},  {"02", "1113.05.00", 900000},
    {"02", "1721.01.02", 7200000}, {"02", "1722.01.01", 3600000}, {"02", "1325.01.00", 80000},
    {"03", "1724.01.00", 2600000}, {"03", "1325.01.00", 18000},   {"04", "1721.33.00", 1500000},
    {"04", "1325.01.00", 12000},
};

}  // namespace

// PARAMORC, PPAPROG, PPAACOES, DESORC and RECORC. Each action's allocations in the budget law
// make its first-year value; its later years grow by about 5% a year, and a program's goals are
// the sums of its actions' values. The scale repeats the programs under further codes, as the
// budget cards do.
void fillPlanning(Context& c) {
    auto pick = [&](int n) { return int(c.random() % quint32(n)); };
    Transaction& t = c.t;

    t.execute(QStringLiteral("INSERT INTO PARAMORC (LEI_PPA, DTPUBLICACAO_PPA, LEI_LDO, "
                             "DTPUBLICACAO_LDO, LEI, DTLEI, DTPUBLICACAO, PERCE) VALUES (?, ?, ?, "
                             "?, ?, ?, ?, ?)"),
              {QStringLiteral("1245"), isoDate(c.year - 1, 8, 28), QStringLiteral("1280"),
               isoDate(c.year - 1, 6, 30), QStringLiteral("1301"), isoDate(c.year - 1, 12, 15),
               isoDate(c.year - 1, 12, 18), money((10 + pick(21)) * 100 + pick(2) * 50)});
    // The code that heads the budget law record.
    t.execute(QStringLiteral("UPDATE CADCLI SET MEXER = ? WHERE MEXER IS NULL"),
              {QString::number(c.year)});

    Statement program = t.prepare(QStringLiteral(
        "INSERT INTO PPAPROG (CODIGO, CODDISCRI, DISCRI, OBJET, META01, META02, META03, META04) "
        "VALUES (?, ?, ?, ?, ?, ?, ?, ?)"));
    Statement action = t.prepare(QStringLiteral(
        "INSERT INTO PPAACOES (CODIGO, CODLO, FUNSUBFUN, PROJATIV, PRODU, DESCRI, UNMED, META01, "
        "META02, META03, META04, VALOR01, VALOR02, VALOR03, VALOR04) VALUES (?, ?, ?, ?, ?, ?, ?, "
        "?, ?, ?, ?, ?, ?, ?, ?)"));
    Statement desorc = t.prepare(QStringLiteral(
        "INSERT INTO DESORC (PROGRAMA, PODER, ORGAO, FUNCAO, SUBFUNCAO, PROJATIV, CATEC, "
        "FONGRUPO, DOTAC) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?)"));

    for (int round = 0; round < c.scale; ++round) {
        for (int p = 0; p < int(std::size(kPrograms)); ++p) {
            const Program& prog = kPrograms[p];
            const QString code =
                round == 0 ? QString::fromLatin1(prog.code)
                           : QStringLiteral("%1").arg(100 + round * 10 + QString(prog.code).toInt(),
                                                      4, 10, QChar(u'0'));
            const int codigo = round * 100 + p + 1;
            qint64 goals[4] = {0, 0, 0, 0};
            for (const PlanAction& a : kPlanActions) {
                if (a.program != p)
                    continue;
                const QString codlo = QString::fromLatin1(a.codlo);
                const QString funsubfun = QString::fromLatin1(a.funsubfun);
                const QStringList classification = {code,
                                                    codlo.left(2),
                                                    codlo.mid(2, 2),
                                                    funsubfun.left(2),
                                                    funsubfun.mid(3, 3),
                                                    QString::fromLatin1(a.projativ)};
                std::vector<const char*> elements;
                for (const char* e : kCurrentElements) {
                    if (pick(3) != 0)
                        elements.push_back(e);
                }
                if (a.works)
                    elements.insert(elements.end(), std::begin(kWorksElements),
                                    std::end(kWorksElements));
                if (elements.empty())
                    elements.push_back(kCurrentElements[0]);
                qint64 allocated = 0;
                for (const char* element : elements) {
                    const int sources = pick(3) == 0 ? 2 : 1;
                    const int first = pick(3);
                    for (int s = 0; s < sources; ++s) {
                        const qint64 dotac = 500000 + qint64(pick(40000)) * 1000 + pick(100) * 50;
                        allocated += dotac;
                        desorc.execute(QStringList(classification)
                                       << QString::fromLatin1(element)
                                       << QString::fromLatin1(kSources[first + s]) << money(dotac));
                    }
                }
                qint64 values[4];
                int physical[4];
                values[0] = allocated;
                physical[0] = 10 + pick(490);
                for (int y = 1; y < 4; ++y) {
                    values[y] = values[y - 1] * (104 + pick(3)) / 100;
                    physical[y] = physical[y - 1] + pick(physical[y - 1] / 10 + 1);
                }
                QStringList row = {QString::number(codigo),
                                   codlo,
                                   funsubfun,
                                   QString::fromLatin1(a.projativ),
                                   QString::fromUtf8(a.produ),
                                   QString::fromUtf8(a.descri),
                                   QString::fromUtf8(a.unmed)};
                for (int y = 0; y < 4; ++y)
                    row << QString::number(physical[y]);
                for (int y = 0; y < 4; ++y) {
                    row << money(values[y]);
                    goals[y] += values[y];
                }
                action.execute(row);
            }
            program.execute({QString::number(codigo), code, QString::fromUtf8(prog.name),
                             prog.objective ? QString::fromUtf8(prog.objective) : QString(),
                             money(goals[0]), money(goals[1]), money(goals[2]), money(goals[3])});
        }
    }

    Statement forecast =
        t.prepare(QStringLiteral("INSERT INTO RECORC (PODER, CODRE, TOTOR) VALUES (?, ?, ?)"));
    for (const Forecast& f : kForecasts) {
        const qint64 cents = qint64(f.reais) * 100 * c.scale + pick(100000);
        forecast.execute(
            {QString::fromLatin1(f.poder), QString::fromLatin1(f.codre), money(cents)});
    }
}

}  // namespace DemoData
