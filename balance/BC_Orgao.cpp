#include "balance/BC_Orgao.h"

#include "app/RunContext.h"
#include "output/Fields.h"
#include "params/ParamFiles.h"

namespace {

enum class Source { Entity, Organ };
enum class Kind {
    Number,      // zero-filled on the left; a longer text is written whole
    Text,        // cut or padded with blanks
    PostalCode,  // as Text, but zeros when empty
};

struct OrgaoField {
    Source source;
    const char* column;
    int width;
    Kind kind;
    const char* logTable;
    const char* logField;
};

// The fields of record "10" after its type, in their order in the record.
constexpr OrgaoField kFields[] = {
    {Source::Entity, "CODAUDESP", 2, Kind::Number, "TABEMPRESA", "CODAUDESP"},
    {Source::Organ, "CPFGESTOR", 11, Kind::Number, "XML_ORGAO", "CPFGESTOR"},
    {Source::Entity, "NOME", 50, Kind::Text, "TABEMPRESA", "NOME"},
    {Source::Entity, "TIPO", 2, Kind::Number, "TABEMPRESA", "TIPO"},
    {Source::Organ, "CNPJORGAO", 14, Kind::Number, "TABEMPRESA", "CGC"},
    {Source::Organ, "NOMEGESTOR", 45, Kind::Text, "XML_ORGAO", "NOMEGESTOR"},
    {Source::Organ, "LOGRARESGESTOR", 50, Kind::Text, "XML_ORGAO", "LOGRARESGESTOR"},
    {Source::Organ, "SETORLOGRAGESTOR", 20, Kind::Text, "XML_ORGAO", "SETORLOGRAGESTOR"},
    {Source::Organ, "CIDADELOGRAGESTOR", 20, Kind::Text, "XML_ORGAO", "CIDADELOGRAGESTOR"},
    {Source::Organ, "UFCIDADELOGRAGESTOR", 2, Kind::Text, "XML_ORGAO", "UFCIDADELOGRAGESTOR"},
    {Source::Organ, "CEPLOGRAGESTOR", 8, Kind::PostalCode, "XML_ORGAO", "CEPLOGRAGESTOR"},
    {Source::Organ, "NOMECONTADOR", 45, Kind::Text, "XML_ORGAO", "NOMECONTADOR"},
    {Source::Organ, "CPFCONTADOR", 11, Kind::Number, "XML_ORGAO", "CPFCONTADOR"},
    {Source::Organ, "CRCCONTADOR", 11, Kind::Number, "XML_ORGAO", "CRCCONTADOR"},
    {Source::Organ, "UFCRCCONTADOR", 2, Kind::Text, "XML_ORGAO", "UFCRCCONTADOR"},
    {Source::Organ, "NOMECONTROLEINTERNO", 45, Kind::Text, "XML_ORGAO", "NOMECONTROLEINTERNO"},
    {Source::Organ, "CPFCONTROLEINTERNO", 11, Kind::Number, "XML_ORGAO", "CPFCONTROLEINTERNO"},
};

QString format(const OrgaoField& f, const QString& value) {
    if (value.trimmed().isEmpty())
        return f.kind == Kind::Text ? Fields::vazio(f.width) : QString(f.width, u'0');
    return f.kind == Kind::Number ? Fields::number(value, f.width) : Fields::text(value, f.width);
}

}  // namespace

void BC_Orgao(RunContext& c) {
    c.SeqRegistro = 1;
    c.p1().reset(1);
    c.arquivo().CRIAR_ARQ(QStringLiteral("ORGAO"));

    const DataPacket orgao = DataPacket::load(c.dataFolder + ParamFiles::kOrgaoFile);
    const int row = ParamFiles::findOrgaoRow(orgao, c.CodEntidade);
    // Without a row of its own the entity gets no one's officials: another entity's manager and
    // accountant would reach the court under this entity's name.
    if (row < 0)
        c.log_erro(QStringLiteral("10"), c.SeqRegistro, QStringLiteral("XML_ORGAO"),
                   QStringLiteral("CODPODER"), 3);

    QString record = QStringLiteral("10");
    for (const OrgaoField& f : kFields) {
        const QString column = QString::fromLatin1(f.column);
        QString value;
        if (f.source == Source::Entity)
            value = c.entity.text(column);
        else if (row >= 0)
            value = orgao.text(row, column);
        if (value.trimmed().isEmpty())
            c.log_erro(QStringLiteral("10"), c.SeqRegistro, QString::fromLatin1(f.logTable),
                       QString::fromLatin1(f.logField), 1);
        record += format(f, value);
    }
    record += Fields::sequence(c.SeqRegistro);
    c.arquivo().writeRecord(record);
    ++c.SeqRegistro;
    c.p1().step();

    // The court's layout closes this file without a line end.
    c.arquivo().writeText(QStringLiteral("99") + Fields::vazio(349) +
                          Fields::sequence(c.SeqRegistro));
    c.p1().step();
    c.arquivo().Fecha_arq();
}
