#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include "cli/CommandLine.h"
#include "support/QtPrinters.h"
#include "support/TestInstallation.h"
#include "support/ZipReader.h"

namespace {

// --compactar packs through the same packaging as the window, replacing an archive of the same
// name without asking, and says which archive it wrote.
TEST(CommandLineCompactar, PacksTheRunsFilesAndReplacesAnOldArchive) {
    TestInstallation inst;
    inst.exec(QStringLiteral(
        "INSERT INTO TABEMPRESA (EMPRESA, NOME, TIPO, CODAUDESP) VALUES (1, 'PREFEITURA', 1, 7)"));
    inst.seedParamFiles();
    inst.closeDatabase();
    const QString archive = inst.outputFolder() + QStringLiteral("PREST1209.ZIP");
    {
        QFile old(archive);
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write("old archive");
    }
    QString outText, errText;
    QTextStream out(&outText), err(&errText);
    const int status = CommandLine::run(
        {QStringLiteral("--ini"), inst.iniPath(), QStringLiteral("--orgao"), QStringLiteral("7"),
         QStringLiteral("--mes"), QStringLiteral("12"), QStringLiteral("--saida"),
         inst.outputFolder(), QStringLiteral("--balancete"), QStringLiteral("--compactar")},
        inst.iniPath(), out, err);
    ASSERT_EQ(status, 0) << errText.toStdString();
    EXPECT_TRUE(outText.contains(QStringLiteral("Arquivo compactado: ") + archive))
        << outText.toStdString();
    EXPECT_TRUE(errText.contains(QStringLiteral("Arquivo Zip Gerado com Sucesso!")));

    const std::vector<ZipEntry> entries = readZip(archive);
    QStringList names;
    for (const ZipEntry& e : entries) {
        names << e.name;
        EXPECT_EQ(e.content, inst.readOutput(e.name)) << e.name.toStdString();
    }
    QStringList written =
        QDir(inst.outputFolder()).entryList({QStringLiteral("*.TXT")}, QDir::Files, QDir::Name);
    names.sort();
    EXPECT_EQ(names, written);
    EXPECT_TRUE(names.contains(QStringLiteral("ARC1209.TXT")));
}

}  // namespace
