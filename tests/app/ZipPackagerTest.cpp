#include <gtest/gtest.h>
#include <zip.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "app/ZipPackager.h"
#include "support/QtPrinters.h"
#include "support/RecordingObserver.h"
#include "support/ZipReader.h"

namespace {

void write(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

QByteArray read(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

class ZipPackagerTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString folder() const { return dir.path() + u'/'; }
    QString archive() const { return folder() + QStringLiteral("PREST1209.ZIP"); }
    RecordingObserver observer;
    ZipPackager packer{observer};
};

TEST_F(ZipPackagerTest, ArchiveIsNamedAfterMonthAndTwoDigitYear) {
    EXPECT_EQ(ZipPackager::archiveName(QStringLiteral("/s/"), QStringLiteral("12"),
                                       QStringLiteral("2009")),
              QStringLiteral("/s/PREST1209.ZIP"));
    EXPECT_EQ(ZipPackager::archiveName(QStringLiteral("/s/"), QString(), QStringLiteral("2010")),
              QStringLiteral("/s/PREST10.ZIP"));
}

TEST_F(ZipPackagerTest, ZipExtensionIsKeptInAnyCaseAndAppendedOtherwise) {
    const struct {
        const char* given;
        const char* expected;
    } cases[] = {{"a/PREST1209.ZIP", "a/PREST1209.ZIP"}, {"a/prest.zip", "a/prest.zip"},
                 {"a/prest.Zip", "a/prest.Zip"},         {"a/prest", "a/prest.zip"},
                 {"a/prest.txt", "a/prest.txt.zip"},     {"a.b/prest", "a.b/prest.zip"}};
    for (const auto& c : cases) {
        EXPECT_EQ(packer.DefineArquivoZip(QString::fromUtf8(c.given), false),
                  QString::fromUtf8(c.expected))
            << c.given;
    }
    EXPECT_TRUE(observer.questions.empty());
}

TEST_F(ZipPackagerTest, PacksEveryTextFileOfTheFolderAndSubfoldersFlatAtMaximumDeflate) {
    const QByteArray ide = QByteArray("10") + QByteArray(200, 'x') + "000001\r\n";
    write(folder() + QStringLiteral("IDE.TXT"), ide);
    write(folder() + QStringLiteral("PPALOA2009.txt"), "00PPA\r\n");
    write(folder() + QStringLiteral("sub/ARC1209.TXT"), "99 arc\r\n");
    write(folder() + QStringLiteral("log_erro_IDE.dat"), "log\r\n");
    write(folder() + QStringLiteral("notes.TXT.bak"), "no\r\n");

    const PackResult r = packer.Compacta(folder(), QStringLiteral("12"), QStringLiteral("2009"));

    ASSERT_EQ(r.status, PackResult::Status::Packed) << r.error.toStdString();
    EXPECT_EQ(r.archivePath, archive());
    EXPECT_EQ(r.caption, QDir::toNativeSeparators(dir.path()));
    EXPECT_TRUE(observer.questions.empty());  // no archive to replace
    ASSERT_EQ(observer.messages.size(), 1u);
    EXPECT_EQ(observer.messages[0].caption, QStringLiteral("Atenção"));
    EXPECT_EQ(observer.messages[0].text, QStringLiteral("Arquivo Zip Gerado com Sucesso!"));
    EXPECT_EQ(observer.messages[0].icon, MessageIcon::Warning);

    const std::vector<ZipEntry> entries = readZip(archive());
    ASSERT_EQ(entries.size(), 3u);
    EXPECT_EQ(entries[0].name, QStringLiteral("IDE.TXT"));
    EXPECT_EQ(entries[0].content, ide);
    EXPECT_EQ(entries[1].name, QStringLiteral("PPALOA2009.txt"));
    EXPECT_EQ(entries[1].content, QByteArray("00PPA\r\n"));
    EXPECT_EQ(entries[2].name, QStringLiteral("ARC1209.TXT"));
    EXPECT_EQ(entries[2].content, QByteArray("99 arc\r\n"));
    for (const ZipEntry& e : entries)
        EXPECT_EQ(e.method, ZIP_CM_DEFLATE) << e.name.toStdString();
    // Bits 1 and 2 of the first local header's flags: 01 is deflate at maximum compression.
    const QByteArray bytes = read(archive());
    ASSERT_TRUE(bytes.startsWith("PK\x03\x04"));
    const int flags = quint8(bytes[6]) | quint8(bytes[7]) << 8;
    EXPECT_EQ((flags >> 1) & 3, 1);
}

TEST_F(ZipPackagerTest, ASecondFileOfTheSameNameInASubfolderIsLeftOutAndNamed) {
    write(folder() + QStringLiteral("REC1209.TXT"), "this month\r\n");
    write(folder() + QStringLiteral("antigo/REC1209.TXT"), "an old copy\r\n");
    write(folder() + QStringLiteral("antigo/rec1209.txt"), "another old copy\r\n");

    const PackResult r = packer.Compacta(folder(), QStringLiteral("12"), QStringLiteral("2009"));

    ASSERT_EQ(r.status, PackResult::Status::Packed);
    const std::vector<ZipEntry> entries = readZip(archive());
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0].name, QStringLiteral("REC1209.TXT"));
    EXPECT_EQ(entries[0].content, QByteArray("this month\r\n"));
    ASSERT_EQ(r.skipped.size(), 2);
    ASSERT_EQ(observer.messages.size(), 1u);
    const QString& text = observer.messages[0].text;
    EXPECT_TRUE(text.startsWith(QStringLiteral("Arquivo Zip Gerado com Sucesso!")));
    EXPECT_TRUE(text.contains(QDir::toNativeSeparators(folder() + "antigo/REC1209.TXT")));
    EXPECT_TRUE(text.contains(QDir::toNativeSeparators(folder() + "antigo/rec1209.txt")));
}

TEST_F(ZipPackagerTest, DecliningToReplaceLeavesTheOldArchiveUntouchedAndPacksNothing) {
    write(folder() + QStringLiteral("IDE.TXT"), "new\r\n");
    const QByteArray old = "PK old archive bytes";
    write(archive(), old);
    observer.expectQuestion(false);

    const PackResult r = packer.Compacta(folder(), QStringLiteral("12"), QStringLiteral("2009"));

    EXPECT_EQ(r.status, PackResult::Status::Declined);
    EXPECT_TRUE(r.caption.isEmpty());
    ASSERT_EQ(observer.questions.size(), 1u);
    EXPECT_EQ(observer.questions[0].text,
              QStringLiteral("Substituir Arquivo Existente: ") + archive() + u'?');
    EXPECT_EQ(read(archive()), old);
    EXPECT_TRUE(observer.messages.empty());
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 2);  // no temporary left behind
}

TEST_F(ZipPackagerTest, ReplacingWritesTheArchiveAnew) {
    write(folder() + QStringLiteral("IDE.TXT"), "new\r\n");
    write(archive(), "PK old archive bytes");
    observer.expectQuestion(true);

    const PackResult r = packer.Compacta(folder(), QStringLiteral("12"), QStringLiteral("2009"));

    ASSERT_EQ(r.status, PackResult::Status::Packed);
    const std::vector<ZipEntry> entries = readZip(archive());
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0].content, QByteArray("new\r\n"));
}

TEST_F(ZipPackagerTest, NoTextFileGivesTheErrorMessageAndNoArchive) {
    write(folder() + QStringLiteral("log_erro_IDE.dat"), "log\r\n");

    const PackResult r = packer.Compacta(folder(), QStringLiteral("12"), QStringLiteral("2009"));

    EXPECT_EQ(r.status, PackResult::Status::Failed);
    ASSERT_EQ(observer.messages.size(), 1u);
    EXPECT_EQ(observer.messages[0].text, QStringLiteral("Erro ao Adicionar os Arquivos"));
    EXPECT_EQ(observer.messages[0].icon, MessageIcon::None);
    EXPECT_FALSE(QFile::exists(archive()));
}

}  // namespace
