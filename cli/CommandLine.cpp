#include "cli/CommandLine.h"

#include "app/EntityList.h"
#include "app/GenerationRun.h"
#include "app/ZipPackager.h"
#include "cli/CliObserver.h"
#include "settings/Conexao.h"

namespace CommandLine {

const char* const kUsage =
    "uso: vold-tcmgo-cli [--ini ARQUIVO] --orgao CODIGO --mes MM --saida PASTA [--ppa] "
    "[--balancete] [--compactar]\n"
    "  --ini ARQUIVO   arquivo de configuração (padrão: Vold.ini ao lado do executável)\n"
    "  --orgao CODIGO  CODAUDESP da entidade\n"
    "  --mes MM        mês de referência, 1 a 12\n"
    "  --saida PASTA   pasta onde os arquivos serão gerados\n"
    "  --ppa           gera o arquivo do PPA, LDO e LOA\n"
    "  --balancete     gera os arquivos do balancete (sem --ppa nem --balancete: ambos)\n"
    "  --compactar     compacta os arquivos .TXT da pasta de saída (e subpastas) em\n"
    "                  PREST<MM><AA>.ZIP ao final; um arquivo compactado de mesmo nome já\n"
    "                  existente é substituído sem pergunta\n";

namespace {

struct Options {
    QString ini, orgao, saida;
    int month = 0;
    bool ppa = false, balancete = false, compactar = false;
};

bool parse(const QStringList& args, const QString& defaultIni, Options* o, QString* error) {
    o->ini = defaultIni;
    bool haveOrgao = false, haveMes = false, haveSaida = false;
    for (int i = 0; i < args.size(); ++i) {
        const QString& a = args[i];
        auto value = [&](QString* into) {
            if (i + 1 >= args.size()) {
                *error = QStringLiteral("falta o valor de ") + a;
                return false;
            }
            *into = args[++i];
            return true;
        };
        if (a == u"--ini") {
            if (!value(&o->ini))
                return false;
        } else if (a == u"--orgao") {
            if (!value(&o->orgao))
                return false;
            haveOrgao = true;
        } else if (a == u"--saida") {
            if (!value(&o->saida))
                return false;
            haveSaida = true;
        } else if (a == u"--mes") {
            QString m;
            if (!value(&m))
                return false;
            bool ok = false;
            const int month = m.toInt(&ok);
            const bool digits =
                m.size() >= 1 && m.size() <= 2 &&
                std::all_of(m.begin(), m.end(), [](QChar c) { return c.isDigit(); });
            if (!digits || !ok || month < 1 || month > 12) {
                *error = QStringLiteral("mês inválido: ") + m + QStringLiteral(" (use 1 a 12)");
                return false;
            }
            o->month = month;
            haveMes = true;
        } else if (a == u"--ppa") {
            o->ppa = true;
        } else if (a == u"--balancete") {
            o->balancete = true;
        } else if (a == u"--compactar") {
            o->compactar = true;
        } else {
            *error = QStringLiteral("opção desconhecida: ") + a;
            return false;
        }
    }
    if (!haveOrgao || !haveMes || !haveSaida) {
        *error = QStringLiteral("--orgao, --mes e --saida são obrigatórios");
        return false;
    }
    if (!o->ppa && !o->balancete)
        o->ppa = o->balancete = true;
    return true;
}

}  // namespace

int run(const QStringList& arguments, const QString& defaultIni, QTextStream& out,
        QTextStream& err) {
    Options o;
    QString error;
    if (!parse(arguments, defaultIni, &o, &error)) {
        err << "vold-tcmgo-cli: " << error << '\n' << kUsage;
        err.flush();
        return 2;
    }
    try {
        Conexao conexao(o.ini);
        conexao.connect();
        const std::vector<DbRow> entities = EntityList::load(conexao.database());
        std::optional<DbRow> entity = EntityList::find(entities, o.orgao);
        if (!entity) {
            err << "vold-tcmgo-cli: nenhuma entidade de TABEMPRESA tem CODAUDESP " << o.orgao
                << '\n';
            err.flush();
            return 1;
        }
        CliObserver observer(out, err, o.compactar);
        SystemClock clock;
        GenerationRun run(conexao, observer, clock);
        // The flag says pack: the final question and the replace question are both answered Yes.
        std::optional<PackResult> packed;
        run.setPacker([&](const RunContext& c) {
            ZipPackager packer(observer);
            packed = packer.Compacta(c);
            if (packed->status == PackResult::Status::Packed) {
                out << "Arquivo compactado: " << packed->archivePath << " (" << packed->added.size()
                    << " arquivos)\n";
                out.flush();
            }
        });
        RunChoices choices;
        choices.entity = entity;
        choices.outputFolder = o.saida;
        choices.monthIndex = o.month - 1;
        choices.ppa = o.ppa;
        choices.balancete = o.balancete;
        const GenerationRun::Result r = run.gerarClick(choices);
        if (r.outcome != GenerationRun::Outcome::Completed)
            return 1;
        if (packed && packed->status != PackResult::Status::Packed)
            return 3;
        return 0;
    } catch (const EnvironmentError& e) {
        err << e.message() << '\n';
        err.flush();
        return 3;
    }
}

}  // namespace CommandLine
