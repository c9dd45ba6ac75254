#include "balance/BC_Orgao.h"

#include <gtest/gtest.h>

#include "BalanceSupport.h"
#include "params/ParamFiles.h"
#include "support/QtPrinters.h"
#include "support/RunFixture.h"

namespace {

QString pad(const QString& s, int width) {
    return s + QString(width - int(s.size()), u' ');
}
QString zeros(int width) {
    return QString(width, u'0');
}

const QString kNomeEntidade = QStringLiteral("PREFEITURA MUNICIPAL DE GOIÁS");
const QString kTrailer = QStringLiteral("99") + QString(349, u' ') + QStringLiteral("000002");

// Two entities with their organ file rows filled in; the first (CODAUDESP 5) is the one the
// tests deliver, so its row is not the last.
class BC_OrgaoTest : public ::testing::Test {
protected:
    void SetUp() override {
        f.inst.exec(QStringLiteral("INSERT INTO TABEMPRESA (EMPRESA, NOME, TIPO, CODAUDESP, CGC) "
                                   "VALUES (1, ?, 1, 5, '01234567000189')"),
                    {kNomeEntidade});
        f.inst.exec(
            QStringLiteral("INSERT INTO TABEMPRESA (EMPRESA, NOME, TIPO, CODAUDESP, CGC) "
                           "VALUES (2, 'CÂMARA MUNICIPAL DE GOIÁS', 1, 6, "
                           "'01234567000270')"));
        f.inst.exec(QStringLiteral("INSERT INTO CADCLI (CLNT1) VALUES ('GOIÁS')"));
        f.inst.seedParamFiles();
        orgao = DataPacket::load(f.inst.dataFolder() + ParamFiles::kOrgaoFile);
        fill(0, {{"CPFGESTOR", "12345678901"},
                 {"NOMEGESTOR", "JOSÉ DA CONCEIÇÃO"},
                 {"LOGRARESGESTOR", "RUA 7, Nº 15"},
                 {"SETORLOGRAGESTOR", "SETOR CENTRAL"},
                 {"CIDADELOGRAGESTOR", "GOIÁS"},
                 {"UFCIDADELOGRAGESTOR", "GO"},
                 {"CEPLOGRAGESTOR", "76600000"},
                 {"NOMECONTADOR", "MARIA APARECIDA GONÇALVES"},
                 {"CPFCONTADOR", "98765432100"},
                 {"CRCCONTADOR", "GO012345"},
                 {"UFCRCCONTADOR", "GO"},
                 {"NOMECONTROLEINTERNO", "LUÍS FERNANDO CORRÊA"},
                 {"CPFCONTROLEINTERNO", "11122233344"}});
        fill(1, {{"CPFGESTOR", "55555555555"},
                 {"NOMEGESTOR", "GESTOR DA CÂMARA"},
                 {"NOMECONTADOR", "CONTADOR DA CÂMARA"},
                 {"NOMECONTROLEINTERNO", "CONTROLE DA CÂMARA"}});
        f.inst.writeOrgaoFile(orgao);
    }

    void fill(int row, std::initializer_list<std::pair<const char*, const char*>> values) {
        for (const auto& [column, value] : values)
            orgao.setValue(row, QString::fromLatin1(column), QString::fromUtf8(value));
    }

    // Record "10" of the entity 5 as its filled-in row gives it, field by field.
    static QString fullRecord() {
        return QStringLiteral("10") + QStringLiteral("05") + QStringLiteral("12345678901") +
               pad(kNomeEntidade, 50) + QStringLiteral("01") + QStringLiteral("01234567000189") +
               pad(QStringLiteral("JOSÉ DA CONCEIÇÃO"), 45) +
               pad(QStringLiteral("RUA 7, Nº 15"), 50) + pad(QStringLiteral("SETOR CENTRAL"), 20) +
               pad(QStringLiteral("GOIÁS"), 20) + QStringLiteral("GO") +
               QStringLiteral("76600000") + pad(QStringLiteral("MARIA APARECIDA GONÇALVES"), 45) +
               QStringLiteral("98765432100") + QStringLiteral("000GO012345") +
               QStringLiteral("GO") + pad(QStringLiteral("LUÍS FERNANDO CORRÊA"), 45) +
               QStringLiteral("11122233344") + QStringLiteral("000001");
    }

    RunFixture f;
    DataPacket orgao;
};

TEST_F(BC_OrgaoTest, WritesTheEntityRecordAndTheTrailerWithoutLineEnd) {
    RunContext& c = f.context(QStringLiteral("5"), 3);
    BC_Orgao(c);

    ASSERT_EQ(fullRecord().size(), 357);
    ASSERT_EQ(kTrailer.size(), 357);
    EXPECT_EQ(f.inst.readOutput(QStringLiteral("ORGAO.TXT")),
              bytes(fullRecord()) + "\r\n" + bytes(kTrailer));
    EXPECT_FALSE(f.inst.outputExists(QStringLiteral("log_erro_ORGAO.dat")));
    ASSERT_EQ(f.observer.lines.size(), 1u);
    EXPECT_EQ(f.observer.lines[0].name, QStringLiteral("ORGAO.TXT"));
    EXPECT_EQ(f.observer.lines[0].lines, QStringLiteral("2"));
    EXPECT_EQ(f.observer.lines[0].state, FileState::Ok);
}

struct OrgaoCase {
    const char* name;
    bool entityColumn;  // a column of the entity's row, else of the organ file
    const char* column;
    std::optional<QString> value;
    int position;  // 1-based, as the layout numbers the columns
    int width;     // of the field in the layout
    QString written;
    std::vector<LogLine> log;
};

class BC_OrgaoFieldTest : public BC_OrgaoTest, public ::testing::WithParamInterface<OrgaoCase> {};

TEST_P(BC_OrgaoFieldTest, WritesTheFieldAsItsRuleSays) {
    const OrgaoCase& k = GetParam();
    if (!k.entityColumn) {
        orgao.setValue(0, QString::fromLatin1(k.column), k.value);
        f.inst.writeOrgaoFile(orgao);
    }
    RunContext& c = f.context(QStringLiteral("5"), 3);
    if (k.entityColumn) {
        c.entity = withValue(c.entity, QString::fromLatin1(k.column),
                             k.value ? DbValue::text(*k.value) : DbValue());
    }
    BC_Orgao(c);

    QString record = fullRecord();
    record.replace(k.position - 1, k.width, k.written);
    EXPECT_EQ(f.inst.readOutput(QStringLiteral("ORGAO.TXT")),
              bytes(record) + "\r\n" + bytes(kTrailer));
    EXPECT_EQ(readLog(f, QStringLiteral("ORGAO")), logBytes(k.log));
}

LogLine xml(const char* field) {
    return {"10", 1, 1, "XML_ORGAO", field};
}
LogLine entity(const char* field) {
    return {"10", 1, 1, "TABEMPRESA", field};
}

const QString k60 =
    QStringLiteral("ANTÔNIO CARLOS DE MELO E SOUZA JÚNIOR DOS SANTOS PEREIRA FILHO");

INSTANTIATE_TEST_SUITE_P(
    Cases, BC_OrgaoFieldTest,
    ::testing::Values(
        OrgaoCase{"CodeOfOneDigit", true, "CODAUDESP", "7", 3, 2, "07", {}},
        OrgaoCase{"CodeNull", true, "CODAUDESP", std::nullopt, 3, 2, "00", {entity("CODAUDESP")}},
        OrgaoCase{
            "ManagerCpfOfNineDigits", false, "CPFGESTOR", "123456789", 5, 11, "00123456789", {}},
        OrgaoCase{"ManagerCpfTooLongWrittenWhole",
                  false,
                  "CPFGESTOR",
                  "123456789012",
                  5,
                  11,
                  "123456789012",
                  {}},
        OrgaoCase{"ManagerCpfNull",
                  false,
                  "CPFGESTOR",
                  std::nullopt,
                  5,
                  11,
                  zeros(11),
                  {xml("CPFGESTOR")}},
        OrgaoCase{"EntityNameCutToFifty", true, "NOME", k60, 16, 50, k60.left(50), {}},
        OrgaoCase{"EntityNameEmpty", true, "NOME", "", 16, 50, pad("", 50), {entity("NOME")}},
        OrgaoCase{"TypeTen", true, "TIPO", "10", 66, 2, "10", {}},
        OrgaoCase{"TypeNull", true, "TIPO", std::nullopt, 66, 2, "00", {entity("TIPO")}},
        OrgaoCase{"CnpjNull", false, "CNPJORGAO", std::nullopt, 68, 14, zeros(14), {entity("CGC")}},
        OrgaoCase{"CnpjShort", false, "CNPJORGAO", "1234567000189", 68, 14, "01234567000189", {}},
        OrgaoCase{"ManagerNameCutToFortyFive", false, "NOMEGESTOR", k60, 82, 45, k60.left(45), {}},
        OrgaoCase{
            "ManagerNameKeptAsRead", false, "NOMEGESTOR", " JOSÉ ", 82, 45, pad(" JOSÉ ", 45), {}},
        OrgaoCase{"ManagerNameBlank",
                  false,
                  "NOMEGESTOR",
                  "   ",
                  82,
                  45,
                  pad("", 45),
                  {xml("NOMEGESTOR")}},
        OrgaoCase{"StreetNull",
                  false,
                  "LOGRARESGESTOR",
                  std::nullopt,
                  127,
                  50,
                  pad("", 50),
                  {xml("LOGRARESGESTOR")}},
        OrgaoCase{"DistrictNull",
                  false,
                  "SETORLOGRAGESTOR",
                  std::nullopt,
                  177,
                  20,
                  pad("", 20),
                  {xml("SETORLOGRAGESTOR")}},
        OrgaoCase{"CityNull",
                  false,
                  "CIDADELOGRAGESTOR",
                  std::nullopt,
                  197,
                  20,
                  pad("", 20),
                  {xml("CIDADELOGRAGESTOR")}},
        OrgaoCase{"StateNull",
                  false,
                  "UFCIDADELOGRAGESTOR",
                  std::nullopt,
                  217,
                  2,
                  "  ",
                  {xml("UFCIDADELOGRAGESTOR")}},
        OrgaoCase{"StateCutToTwo", false, "UFCIDADELOGRAGESTOR", "GOI", 217, 2, "GO", {}},
        OrgaoCase{"PostalCodeNullGivesZeros",
                  false,
                  "CEPLOGRAGESTOR",
                  std::nullopt,
                  219,
                  8,
                  zeros(8),
                  {xml("CEPLOGRAGESTOR")}},
        OrgaoCase{"PostalCodeShortPaddedWithBlanks",
                  false,
                  "CEPLOGRAGESTOR",
                  "7660",
                  219,
                  8,
                  "7660    ",
                  {}},
        OrgaoCase{"PostalCodeWithDashCutToEight",
                  false,
                  "CEPLOGRAGESTOR",
                  "76600-000",
                  219,
                  8,
                  "76600-00",
                  {}},
        OrgaoCase{"AccountantNull",
                  false,
                  "NOMECONTADOR",
                  std::nullopt,
                  227,
                  45,
                  pad("", 45),
                  {xml("NOMECONTADOR")}},
        OrgaoCase{"AccountantCpfNull",
                  false,
                  "CPFCONTADOR",
                  std::nullopt,
                  272,
                  11,
                  zeros(11),
                  {xml("CPFCONTADOR")}},
        OrgaoCase{"AccountantCrcNull",
                  false,
                  "CRCCONTADOR",
                  std::nullopt,
                  283,
                  11,
                  zeros(11),
                  {xml("CRCCONTADOR")}},
        OrgaoCase{"AccountantCrcStateNull",
                  false,
                  "UFCRCCONTADOR",
                  std::nullopt,
                  294,
                  2,
                  "  ",
                  {xml("UFCRCCONTADOR")}},
        OrgaoCase{"OfficerNull",
                  false,
                  "NOMECONTROLEINTERNO",
                  std::nullopt,
                  296,
                  45,
                  pad("", 45),
                  {xml("NOMECONTROLEINTERNO")}},
        OrgaoCase{"OfficerCpfNull",
                  false,
                  "CPFCONTROLEINTERNO",
                  std::nullopt,
                  341,
                  11,
                  zeros(11),
                  {xml("CPFCONTROLEINTERNO")}}),
    [](const auto& info) { return std::string(info.param.name); });

// The record of an entity that has no row of its own: its own columns, and every field of the
// organ file empty.
QString recordWithoutOrganRow(const QString& code, const QString& name, const QString& tipo) {
    return QStringLiteral("10") + code + zeros(11) + pad(name, 50) + tipo + zeros(14) +
           pad("", 45) + pad("", 50) + pad("", 20) + pad("", 20) + pad("", 2) + zeros(8) +
           pad("", 45) + zeros(11) + zeros(11) + pad("", 2) + pad("", 45) + zeros(11) +
           QStringLiteral("000001");
}

std::vector<LogLine> logWithoutOrganRow() {
    std::vector<LogLine> log{{"10", 1, 3, "XML_ORGAO", "CODPODER"}};
    for (const char* field : {"CPFGESTOR", "CGC", "NOMEGESTOR", "LOGRARESGESTOR",
                              "SETORLOGRAGESTOR", "CIDADELOGRAGESTOR", "UFCIDADELOGRAGESTOR",
                              "CEPLOGRAGESTOR", "NOMECONTADOR", "CPFCONTADOR", "CRCCONTADOR",
                              "UFCRCCONTADOR", "NOMECONTROLEINTERNO", "CPFCONTROLEINTERNO"}) {
        log.push_back(field == std::string("CGC") ? entity("CGC") : xml(field));
    }
    return log;
}

TEST_F(BC_OrgaoTest, EntityWithoutOrganRowGetsNoOtherEntitysOfficials) {
    // Added after the organ file was made: the file's last row belongs to the council.
    f.inst.exec(
        QStringLiteral("INSERT INTO TABEMPRESA (EMPRESA, NOME, TIPO, CODAUDESP, CGC) "
                       "VALUES (3, 'FUNDO MUNICIPAL DE SAÚDE', 2, 9, '01234567000351')"));
    RunContext& c = f.context(QStringLiteral("9"), 3);
    BC_Orgao(c);

    const QByteArray file = f.inst.readOutput(QStringLiteral("ORGAO.TXT"));
    EXPECT_EQ(file, bytes(recordWithoutOrganRow(QStringLiteral("09"),
                                                QStringLiteral("FUNDO MUNICIPAL DE SAÚDE"),
                                                QStringLiteral("02"))) +
                        "\r\n" + bytes(kTrailer));
    EXPECT_FALSE(file.contains(bytes(QStringLiteral("DA CÂMARA"))));
    EXPECT_FALSE(file.contains("55555555555"));
    EXPECT_EQ(readLog(f, QStringLiteral("ORGAO")), logBytes(logWithoutOrganRow()));
    ASSERT_EQ(f.observer.lines.size(), 1u);
    EXPECT_EQ(f.observer.lines[0].state, FileState::Errors);
}

TEST_F(BC_OrgaoTest, OrganFileWithoutRowsIsLoggedAsNotFound) {
    DataPacket empty;
    for (const DataPacket::Field& field : orgao.fields())
        empty.addField(field);
    f.inst.writeOrgaoFile(empty);
    RunContext& c = f.context(QStringLiteral("5"), 3);
    BC_Orgao(c);

    EXPECT_EQ(
        f.inst.readOutput(QStringLiteral("ORGAO.TXT")),
        bytes(recordWithoutOrganRow(QStringLiteral("05"), kNomeEntidade, QStringLiteral("01"))) +
            "\r\n" + bytes(kTrailer));
    EXPECT_EQ(readLog(f, QStringLiteral("ORGAO")), logBytes(logWithoutOrganRow()));
}

}  // namespace
