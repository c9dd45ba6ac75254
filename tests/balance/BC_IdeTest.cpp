#include "balance/BC_Ide.h"

#include <gtest/gtest.h>

#include "BalanceSupport.h"
#include "params/ParamFiles.h"
#include "support/QtPrinters.h"
#include "support/RunFixture.h"

namespace {

// One entity and the municipality, with both parameter files seeded from them and the court
// code of the municipality typed in.
class BC_IdeTest : public ::testing::Test {
protected:
    void SetUp() override {
        f.inst.exec(
            QStringLiteral("INSERT INTO TABEMPRESA (EMPRESA, NOME, TIPO, CODAUDESP, CGC) "
                           "VALUES (1, 'PREFEITURA MUNICIPAL DE GOIÁS', 1, 5, "
                           "'01234567000189')"));
        f.inst.exec(
            QStringLiteral("INSERT INTO CADCLI (CLNT1, CGC) VALUES ('GOIÁS', "
                           "'01.234.567/0001-89')"));
        f.inst.seedParamFiles();
    }

    void setCodMunic(const std::optional<QString>& code) {
        DataPacket munic = DataPacket::load(f.inst.dataFolder() + ParamFiles::kMunicFile);
        munic.setValue(0, QStringLiteral("CODMUNIC"), code);
        f.inst.writeMunicFile(munic);
    }

    RunFixture f;  // today is 07/04/2009
};

TEST_F(BC_IdeTest, WritesTheIdentificationRecord) {
    setCodMunic(QStringLiteral("0052"));
    RunContext& c = f.context(QStringLiteral("5"), 3);
    BC_Ide(c);

    // type, municipality, entity type, year, month, "0", today, sequence
    EXPECT_EQ(
        f.inst.readOutput(QStringLiteral("IDE.TXT")),
        QByteArray("10") + "0052" + "01" + "2009" + "03" + "0" + "07042009" + "000001" + "\r\n");
    EXPECT_FALSE(f.inst.outputExists(QStringLiteral("log_erro_IDE.dat")));
    ASSERT_EQ(f.observer.lines.size(), 1u);
    EXPECT_EQ(f.observer.lines[0].name, QStringLiteral("IDE.TXT"));
    EXPECT_EQ(f.observer.lines[0].lines, QStringLiteral("1"));
    EXPECT_EQ(f.observer.lines[0].state, FileState::Ok);
}

TEST_F(BC_IdeTest, NullMunicipalityCodeIsWrittenAsZerosAndLogged) {
    setCodMunic(std::nullopt);
    RunContext& c = f.context(QStringLiteral("5"), 12);
    BC_Ide(c);

    EXPECT_EQ(
        f.inst.readOutput(QStringLiteral("IDE.TXT")),
        QByteArray("10") + "0000" + "01" + "2009" + "12" + "0" + "07042009" + "000001" + "\r\n");
    EXPECT_EQ(readLog(f, QStringLiteral("IDE")),
              logBytes({{"10", 1, 1, "IDE", QStringLiteral("CÓDIGO DO MUNICIPIO")}}));
    ASSERT_EQ(f.observer.lines.size(), 1u);
    EXPECT_EQ(f.observer.lines[0].state, FileState::Errors);
}

struct IdeCase {
    const char* name;
    std::optional<QString> codMunic;
    std::optional<qint64> tipo;  // null: no type
    QByteArray fields;           // municipality code and entity type as written
    std::vector<LogLine> log;
};

class BC_IdeFieldTest : public BC_IdeTest, public ::testing::WithParamInterface<IdeCase> {};

TEST_P(BC_IdeFieldTest, WritesTheFieldAsItsRuleSays) {
    const IdeCase& k = GetParam();
    setCodMunic(k.codMunic);
    RunContext& c = f.context(QStringLiteral("5"), 1);
    c.entity =
        withValue(c.entity, QStringLiteral("TIPO"), k.tipo ? DbValue::integer(*k.tipo) : DbValue());
    BC_Ide(c);

    EXPECT_EQ(f.inst.readOutput(QStringLiteral("IDE.TXT")),
              "10" + k.fields + "2009010" + "07042009" + "000001\r\n");
    EXPECT_EQ(readLog(f, QStringLiteral("IDE")), logBytes(k.log));
}

const LogLine kNoCode{"10", 1, 1, "IDE", QStringLiteral("CÓDIGO DO MUNICIPIO")};
const LogLine kNoType{"10", 1, 1, "IDE", "TIPO DA ENTIDADE"};

INSTANTIATE_TEST_SUITE_P(
    Cases, BC_IdeFieldTest,
    ::testing::Values(IdeCase{"TipoOne", "0052", 1, "005201", {}},
                      IdeCase{"TipoTwo", "0052", 2, "005202", {}},
                      IdeCase{"TipoTen", "0052", 10, "005210", {}},
                      IdeCase{"TipoNinetyNine", "0052", 99, "005299", {}},
                      IdeCase{"TipoNullWrittenEmpty", "0052", std::nullopt, "0052", {kNoType}},
                      IdeCase{"ShortCodeNotPadded", "52", 1, "5201", {}},
                      IdeCase{"LongCodeCutToFour", "005213", 1, "005201", {}},
                      IdeCase{"CodeKeptAsRead", " 52", 1, " 5201", {}},
                      IdeCase{"EmptyCode", "", 1, "000001", {kNoCode}},
                      IdeCase{"BlankCode", "   ", 1, "000001", {kNoCode}},
                      IdeCase{
                          "NothingAtAll", std::nullopt, std::nullopt, "0000", {kNoCode, kNoType}}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
