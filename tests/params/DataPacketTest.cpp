#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "params/DataPacket.h"
#include "params/ParamFiles.h"
#include "support/QtPrinters.h"
#include "support/TestInstallation.h"

namespace {

// A packet as the suite's data layer writes it: Windows-1252 bytes, RowState attributes, a change
// log, names in mixed case.
const QByteArray kSuitePacket =
    "<?xml version=\"1.0\" standalone=\"yes\"?>  <DATAPACKET Version=\"2.0\"><METADATA><FIELDS>"
    "<FIELD attrname=\"CODPODER\" fieldtype=\"i4\"/><FIELD attrname=\"NomeGestor\" "
    "fieldtype=\"string\" WIDTH=\"45\"/><FIELD attrname=\"CPFGESTOR\" fieldtype=\"string\" "
    "WIDTH=\"11\"/></FIELDS><PARAMS CHANGE_LOG=\"1 0 4 2 0 4\" LCID=\"1046\"/></METADATA>"
    "<ROWDATA><ROW RowState=\"4\" CODPODER=\"1\" NomeGestor=\"Jos\xE9 da Concei\xE7\xE3o &amp; "
    "&quot;Filho&quot;\"/><ROW RowState=\"4\" CODPODER=\"2\" CPFGESTOR=\"12345678901\"/>"
    "</ROWDATA></DATAPACKET>";

TEST(DataPacket, ReadsWhatTheSuiteWrites) {
    const DataPacket p = DataPacket::parse(kSuitePacket, "PARAM_ORGAO_TCMGO.XML");
    ASSERT_EQ(p.rowCount(), 2);
    ASSERT_EQ(p.fields().size(), 3u);
    EXPECT_EQ(p.fields()[1].width, 45);
    EXPECT_EQ(p.text(0, "nomegestor"), QStringLiteral("José da Conceição & \"Filho\""));
    EXPECT_FALSE(p.value(0, "CPFGESTOR").has_value());
    EXPECT_EQ(p.text(1, "cpfgestor"), "12345678901");
    EXPECT_EQ(ParamFiles::findOrgaoRow(p, "2"), 1);
    EXPECT_EQ(ParamFiles::findOrgaoRow(p, "9"), -1);
}

TEST(DataPacket, WritesWindows1252ThatReadsBackTheSame) {
    DataPacket p = DataPacket::parse(kSuitePacket, "x");
    p.setValue(1, "NOMEGESTOR", QStringLiteral("Ana <Lúcia> & \u4E2D"));
    const QByteArray bytes = p.serialize();
    EXPECT_TRUE(bytes.startsWith("<?xml version=\"1.0\" standalone=\"yes\"?>"));
    EXPECT_TRUE(bytes.contains("Concei\xE7\xE3o")) << bytes.toStdString();
    EXPECT_FALSE(bytes.contains("RowState"));
    const DataPacket back = DataPacket::parse(bytes, "x");
    EXPECT_EQ(back.text(0, "NOMEGESTOR"), p.text(0, "NOMEGESTOR"));
    EXPECT_EQ(back.text(1, "NOMEGESTOR"), QStringLiteral("Ana <Lúcia> & \u4E2D"));
    EXPECT_FALSE(back.value(0, "CPFGESTOR").has_value());
}

TEST(DataPacket, AFileThatCannotBeParsedNamesTheFileAndTheFault) {
    const char* broken[] = {"<DATAPACKET><METADATA><FIELDS><FIELD attrname=\"A\"", "<OTHER/>", "",
                            "<DATAPACKET><METADATA/></DATAPACKET>"};
    for (const char* b : broken) {
        try {
            DataPacket::parse(QByteArray(b), "/dados/PARAM_MUNIC_TCMGO.XML");
            ADD_FAILURE() << b;
        } catch (const ParamFileError& e) {
            EXPECT_TRUE(e.message().contains("/dados/PARAM_MUNIC_TCMGO.XML")) << b;
        }
    }
    EXPECT_THROW(DataPacket::load("/nonexistent/PARAM_MUNIC_TCMGO.XML"), ParamFileError);
}

TEST(DataPacket, SavingReplacesTheFileWhole) {
    QTemporaryDir dir;
    const QString path = dir.path() + QStringLiteral("/PARAM_ORGAO_TCMGO.XML");
    DataPacket p = DataPacket::parse(kSuitePacket, path);
    p.save(path);
    p.setValue(0, "CPFGESTOR", QStringLiteral("99999999999"));
    p.save(path);
    EXPECT_EQ(DataPacket::load(path).text(0, "CPFGESTOR"), "99999999999");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList({"PARAM_ORGAO_TCMGO.XML"}));

    // A file that cannot be written is an error that names it.
    const QString elsewhere = dir.path() + QStringLiteral("/missing/PARAM_ORGAO_TCMGO.XML");
    try {
        p.save(elsewhere);
        FAIL();
    } catch (const ParamFileError& e) {
        EXPECT_TRUE(e.message().contains(elsewhere)) << e.message().toStdString();
    }
    EXPECT_EQ(DataPacket::load(path).text(0, "CPFGESTOR"), "99999999999");
}

TEST(ParamFiles, SeedsOneRowPerEntityWithNullsAbsent) {
    TestInstallation inst;
    inst.exec(QStringLiteral("INSERT INTO TABEMPRESA (EMPRESA, NOME, TIPO, CODAUDESP, CGC) "
                             "VALUES (?, ?, ?, ?, ?)"),
              {"1", "PREFEITURA DE GOIÂNIA", "1", "7", "01234567000189"});
    inst.exec(QStringLiteral(
                  "INSERT INTO TABEMPRESA (EMPRESA, NOME, TIPO, CODAUDESP) VALUES (?, ?, ?, ?)"),
              {"2", "CÂMARA", "2", "8"});
    inst.exec(QStringLiteral("INSERT INTO CADCLI (CLNT1, CGC, PREN, CPFPRE, CONN, CPFCON) VALUES "
                             "(?, ?, ?, ?, ?, ?)"),
              {"GOIÂNIA", "01.234.567/0001-89", "PREFEITO", "123.456.789-01", "CONTADOR", ""});
    inst.seedParamFiles();

    const DataPacket orgao = DataPacket::load(inst.dataFolder() + ParamFiles::kOrgaoFile);
    ASSERT_EQ(orgao.rowCount(), 2);
    ASSERT_EQ(orgao.fields().size(), 18u);
    EXPECT_EQ(orgao.fields()[0].name, "CODPODER");
    EXPECT_EQ(orgao.fields()[0].type, "i4");
    EXPECT_EQ(orgao.fields()[2].type, "string");
    EXPECT_EQ(orgao.fields()[2].width, 11);
    EXPECT_EQ(orgao.text(0, "descorgao"), QStringLiteral("PREFEITURA DE GOIÂNIA"));
    EXPECT_EQ(orgao.text(0, "CNPJORGAO"), "01234567000189");
    EXPECT_FALSE(orgao.value(1, "CNPJORGAO").has_value());
    EXPECT_FALSE(orgao.value(0, "NOMEGESTOR").has_value());
    const QByteArray raw = readBytes(inst.dataFolder() + ParamFiles::kOrgaoFile);
    EXPECT_FALSE(raw.contains("NOMEGESTOR=")) << "a null column has no attribute";
    EXPECT_TRUE(raw.contains("GOI\xC2NIA"));
    EXPECT_EQ(ParamFiles::findOrgaoRow(orgao, "8"), 1);

    const DataPacket munic = DataPacket::load(inst.dataFolder() + ParamFiles::kMunicFile);
    ASSERT_EQ(munic.rowCount(), 1);
    EXPECT_EQ(munic.text(0, "CNPJ"), "01.234.567/0001-89");
    EXPECT_EQ(munic.fields()[munic.fieldIndex("CNPJ")].width, 18);
    EXPECT_EQ(munic.text(0, "CPFCONTADOR"), "");
    EXPECT_TRUE(munic.value(0, "CPFCONTADOR").has_value());
}

TEST(ParamFiles, ACnpjTooLongForTheOrganFileStopsTheSeed) {
    TestInstallation inst;
    inst.exec(
        QStringLiteral("INSERT INTO TABEMPRESA (EMPRESA, NOME, TIPO, CODAUDESP, CGC) "
                       "VALUES (1, 'P', 1, 1, '01.234.567/0001-89')"));
    EXPECT_ANY_THROW(inst.seedParamFiles());
    EXPECT_FALSE(QFile::exists(inst.dataFolder() + ParamFiles::kOrgaoFile));
}

}  // namespace
