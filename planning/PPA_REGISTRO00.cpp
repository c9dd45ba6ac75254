#include "planning/PPA_REGISTRO00.h"

#include "app/RunContext.h"
#include "output/Fields.h"
#include "output/NumberFormat.h"
#include "params/DataPacket.h"
#include "params/ParamFiles.h"
#include "planning/PlanningFields.h"
#include "planning/PlanningLine.h"

using namespace PlanningFields;

namespace {

const QString kXml = QStringLiteral("XML");
const QString kParamOrc = QStringLiteral("PARAMORC");

class Record00 {
public:
    Record00(RunContext& c, const DataPacket& munic) : c_(c), munic_(munic) {}

    QString value(const char* key) const {
        return munic_.rowCount() > 0 ? munic_.text(0, QString::fromLatin1(key)) : QString();
    }

    // A text field cut or padded to its width; 50/45/11 blanks when empty.
    QString name(const char* key, int width) {
        const QString field = Fields::text(value(key), width);
        if (isBlank(field)) {
            logEmpty(key);
            return Fields::vazio(width);
        }
        return field;
    }

    // A field written as it comes out of its rule; logged when empty.
    QString checked(const char* key, const QString& field) {
        if (isBlank(field)) {
            logEmpty(key);
            return QString();
        }
        return field;
    }

private:
    void logEmpty(const char* key) {
        c_.log_erro(QStringLiteral("00"), c_.SeqRegistro, kXml, QString::fromLatin1(key), 1);
    }
    RunContext& c_;
    const DataPacket& munic_;
};

}  // namespace

void PPA_REGISTRO00(RunContext& c) {
    const DataPacket munic = DataPacket::load(c.dataFolder + ParamFiles::kMunicFile);
    Record00 r(c, munic);

    QString line = QStringLiteral("00");
    line += municipalityCode(r.value("CODMUNIC"));
    line += r.name("NOMEMUNICIPIO", 50);
    // Punctuation goes before the cut: "01.234.567/0001-89" keeps its 14 digits.
    line += r.checked("CNPJ", documentNumber(r.value("CNPJ"), 14));
    line += r.name("NOMEPREFEITO", 45);
    line += r.checked("CPFPREFEITO", documentNumber(r.value("CPFPREFEITO"), 11));
    line += r.name("PRESIDENTECAMARA", 45);
    line += r.checked("CPFPRESIDENTECAMARA", documentDigits(r.value("CPFPRESIDENTECAMARA")));
    line += r.name("NOMECONTADOR", 45);
    line += r.checked("CPFCONTADOR", documentNumber(r.value("CPFCONTADOR"), 11));
    line += r.name("CRCCONTADOR", 11);
    line += r.checked("UFCRCCONTADOR", r.value("UFCRCCONTADOR").left(2));
    line += Fields::vazio(93);
    PlanningLine::write(c, line);
    PlanningLine::step(c);
}

void PPA_REGISTRO01(RunContext& c) {
    const auto paramorc = c.transaction().first(QStringLiteral("select * from paramorc"));
    if (!paramorc)
        return;
    const auto cliente = c.transaction().first(QStringLiteral("select * from cadcli"));
    const int seq = c.SeqRegistro;
    auto law = [&](const char* column) {
        bool empty = false;
        const QString field = lawNumber(paramorc->text(QString::fromLatin1(column)), &empty);
        if (empty)
            c.log_erro(QStringLiteral("01"), seq, kParamOrc, QString::fromLatin1(column), 1);
        return field;
    };
    auto day = [&](const char* column) {
        bool empty = false;
        const QString field = date(paramorc->text(QString::fromLatin1(column)), &empty);
        if (empty)
            c.log_erro(QStringLiteral("01"), seq, kParamOrc, QString::fromLatin1(column), 1);
        return field;
    };

    QString line = QStringLiteral("01PPALOA    ");
    line += cliente ? cliente->text(QStringLiteral("MEXER")) : QString();
    line += QStringLiteral("  ");
    line += law("LEI_PPA");
    line += day("DTPUBLICACAO_PPA");
    line += day("DTPUBLICACAO_PPA");
    line += law("LEI_LDO");
    line += day("DTPUBLICACAO_LDO");
    line += day("DTPUBLICACAO_LDO");
    line += law("LEI");
    line += day("DTLEI");
    line += day("DTPUBLICACAO");
    bool fits = true;
    line += percentage(paramorc->value(QStringLiteral("PERCE")), &fits);
    if (!fits)
        c.log_erro(QStringLiteral("01"), seq, kParamOrc, QStringLiteral("PERCE"), 4);
    line += QStringLiteral("000.00") + QStringLiteral("000.00") + QStringLiteral("000000") +
            QStringLiteral("00000000") + QStringLiteral("00000000");
    line += NumberFormat::shortDate(c.today());
    line += Fields::vazio(212);
    PlanningLine::write(c, line);
    PlanningLine::step(c);
}

void PPA_REGISTRO99(RunContext& c) {
    PlanningLine::write(c, QStringLiteral("99") + Fields::vazio(342));
    PlanningLine::step(c);
}
