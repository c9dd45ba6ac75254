#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

#include "output/EnvironmentError.h"
#include "settings/DirectoryResolver.h"
#include "settings/IniFile.h"
#include "support/QtPrinters.h"

namespace {

struct Case {
    const char* code;
    const char* expected;
};

VoldSettings localWindows() {
    return VoldSettings::fromText(
        QStringLiteral("[VOLD]\nAno=2009\nCaminho_Base_Dados=C:\\VOLD_8\\DADOS\\\n"));
}

VoldSettings serverWindows() {
    return VoldSettings::fromText(
        QStringLiteral("[VOLD]\nAno=2009\nServidor=srv\nCaminho_Base_Dados=D:\\VOLD_8\\DADOS\\\n"
                       "Diretorio_Servidor=F:\\VOLD_8\\DADOS\\\n"));
}

class LocalWindowsCodes : public testing::TestWithParam<Case> {};

TEST_P(LocalWindowsCodes, Resolve) {
    EXPECT_EQ(DirectoryResolver::resolve(localWindows(), GetParam().code, u'\\'),
              QString::fromUtf8(GetParam().expected));
}

INSTANTIATE_TEST_SUITE_P(
    Examples, LocalWindowsCodes,
    testing::Values(
        Case{"D", "C:\\VOLD_8\\DADOS\\ARQ2009\\"}, Case{"B", "C:\\VOLD_8\\DADOS\\ARQ2009\\"},
        Case{"BK", "C:\\VOLD_8\\DADOS\\ARQ2009\\"}, Case{"d", "C:\\VOLD_8\\DADOS\\ARQ2009\\"},
        Case{"DA", "C:\\VOLD_8\\DADOS\\ARQ2008\\"}, Case{"DA1", "C:\\VOLD_8\\DADOS\\ARQ2008\\"},
        Case{"DA2", "C:\\VOLD_8\\DADOS\\ARQ2007\\"}, Case{"ba3", "C:\\VOLD_8\\DADOS\\ARQ2006\\"},
        Case{"AP", "C:\\VOLD_8\\DADOS\\"}, Case{"EXE", "C:\\VOLD_8\\"},
        Case{"TD", "C:\\VOLD_8\\TABDEF\\"}, Case{"TB", "C:\\VOLD_8\\TABDEF\\"},
        Case{"XYZ", "C:\\VOLD_8\\TABDEF\\"}));

class ServerWindowsCodes : public testing::TestWithParam<Case> {};

TEST_P(ServerWindowsCodes, Resolve) {
    EXPECT_EQ(DirectoryResolver::resolve(serverWindows(), GetParam().code, u'\\'),
              QString::fromUtf8(GetParam().expected));
}

INSTANTIATE_TEST_SUITE_P(Examples, ServerWindowsCodes,
                         testing::Values(Case{"D", "F:\\VOLD_8\\DADOS\\ARQ2009\\"},
                                         Case{"B", "srv:D:\\VOLD_8\\DADOS\\ARQ2009\\"},
                                         Case{"DA", "F:\\VOLD_8\\DADOS\\ARQ2008\\"},
                                         Case{"BA2", "srv:D:\\VOLD_8\\DADOS\\ARQ2007\\"},
                                         Case{"BK", "D:\\VOLD_8\\DADOS\\ARQ2009\\"},
                                         Case{"AP", "F:\\VOLD_8\\DADOS\\"},
                                         Case{"EXE", "F:\\VOLD_8\\"},
                                         Case{"TD", "F:\\VOLD_8\\TABDEF\\"},
                                         Case{"TB", "srv:D:\\VOLD_8\\TABDEF\\"}, Case{"XYZ", ""}));

TEST(DirectoryResolver, LinuxServerUsesSlashOnTheServerSideOnly) {
    VoldSettings s = serverWindows();
    s.soServidor = QStringLiteral("LINUX");
    s.caminhoBaseDados = QStringLiteral("/srv/vold_8/dados/");
    EXPECT_EQ(DirectoryResolver::resolve(s, "B", u'\\'), "srv:/srv/vold_8/dados/ARQ2009/");
    EXPECT_EQ(DirectoryResolver::resolve(s, "D", u'\\'), "F:\\VOLD_8\\DADOS\\ARQ2009\\");
}

TEST(DirectoryResolver, LowerCaseLinuxIsNotLinux) {
    VoldSettings s = serverWindows();
    s.soServidor = QStringLiteral("linux");
    EXPECT_EQ(DirectoryResolver::resolve(s, "B", u'\\'), "srv:D:\\VOLD_8\\DADOS\\ARQ2009\\");
}

TEST(DirectoryResolver, LocalPathsOnThisSystemUseSlash) {
    const VoldSettings s = VoldSettings::fromText(
        QStringLiteral("[VOLD]\nAno=2009\nCaminho_Base_Dados=/srv/vold_8/dados/\n"));
    EXPECT_EQ(DirectoryResolver::resolve(s, "D", u'/'), "/srv/vold_8/dados/ARQ2009/");
    EXPECT_EQ(DirectoryResolver::resolve(s, "DA", u'/'), "/srv/vold_8/dados/ARQ2008/");
    EXPECT_EQ(DirectoryResolver::resolve(s, "EXE", u'/'), "/srv/VOLD_8/");
}

TEST(DirectoryResolver, WithoutVold8TheRootIsTheWholePath) {
    const VoldSettings s = VoldSettings::fromText(
        QStringLiteral("[VOLD]\nAno=2009\nCaminho_Base_Dados=C:\\CONTAB\\\n"));
    EXPECT_EQ(DirectoryResolver::resolve(s, "EXE", u'\\'), "C:\\CONTAB\\");
    EXPECT_EQ(DirectoryResolver::resolve(s, "TD", u'\\'), "C:\\CONTAB\\TABDEF\\");
}

TEST(DirectoryResolver, MissingSettingsGiveRelativePaths) {
    const VoldSettings s = VoldSettings::load(QStringLiteral("/nonexistent/Vold.ini"));
    EXPECT_EQ(s.dll, "gds32.DLL");
    EXPECT_EQ(s.soServidor, "WINDOWS");
    EXPECT_EQ(DirectoryResolver::resolve(s, "D", u'\\'), "ARQ\\");
}

TEST(DirectoryResolver, YearsThatAreNotNumbersAreConversionErrors) {
    VoldSettings s = localWindows();
    EXPECT_THROW(DirectoryResolver::resolve(s, "DAX", u'\\'), EnvironmentError);
    s.ano = QStringLiteral("20O9");
    EXPECT_THROW(DirectoryResolver::resolve(s, "BA", u'\\'), EnvironmentError);
    EXPECT_EQ(DirectoryResolver::resolve(s, "D", u'\\'), "C:\\VOLD_8\\DADOS\\ARQ20O9\\");
}

TEST(DirectoryResolver, CreatesOneFolderLevelOrSaysWhichItCannot) {
    QTemporaryDir dir;
    const QString c = dir.path() + u'/';
    VoldSettings s =
        VoldSettings::fromText(QStringLiteral("[VOLD]\nAno=2009\nCaminho_Base_Dados=%1\n").arg(c));
    try {
        DirectoryResolver::resolve(s, "BKAD", u'/');
        FAIL() << "the year's folder is missing, BCK cannot be created";
    } catch (const EnvironmentError& e) {
        EXPECT_EQ(e.message(), QStringLiteral("Não é possível criar o diretório: ") + c +
                                   QStringLiteral("ARQ2009/BCK/"));
    }
    ASSERT_TRUE(QDir().mkdir(c + QStringLiteral("ARQ2009")));
    EXPECT_EQ(DirectoryResolver::resolve(s, "TPD", u'/'), c + QStringLiteral("ARQ2009/TEMP/"));
    EXPECT_TRUE(QDir(c + QStringLiteral("ARQ2009/TEMP")).exists());
    EXPECT_EQ(DirectoryResolver::resolve(s, "RTM", u'/'), c + QStringLiteral("RTM/"));
    EXPECT_TRUE(QDir(c + QStringLiteral("RTM")).exists());
}

TEST(IniFile, KeysAndSectionsIgnoreCaseAndDefaultsApply) {
    const VoldSettings s = VoldSettings::fromText(
        QStringLiteral("; suite settings\n[outra]\nano=1999\n[vold]\n  ANO = 2010  \nservidor=\n"
                       "caminho_base_dados=C:\\X\\VOLD_8\\D\\\nAno=2011\n"));
    EXPECT_EQ(s.ano, "2010");  // the first occurrence wins
    EXPECT_FALSE(s.isServerInstallation());
    EXPECT_EQ(s.caminhoBaseDadosTabdef, "C:\\X\\VOLD_8");
    EXPECT_EQ(s.servidorTabdef, "");
}

}  // namespace
