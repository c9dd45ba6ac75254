#include "planning/PlanningFixture.h"

#include <QFile>

#include "params/DataPacket.h"
#include "params/ParamFiles.h"
#include "support/TestInstallation.h"

namespace Layout {

QString text(const QString& value, int width) {
    return value.left(width).leftJustified(width, u' ');
}

QString zeros(const QString& value, int width) {
    return value.rightJustified(width, u'0');
}

QString blanks(int width) {
    return QString(width, u' ');
}

QByteArray line(const QString& fixedPart, int number) {
    // Every character of these fixtures lies in Latin-1, where Windows-1252 agrees with it.
    return (fixedPart + QString::number(number)).toLatin1() + "\r\n";
}

QByteArray placeholder(const QString& recordType, int number) {
    return line(recordType + blanks(342), number);
}

QByteArray logLine(const QString& recordType, int sequence, int code, const QString& table,
                   const QString& field) {
    static const char* const descriptions[] = {"Campo Vazio", "Tabela Vazia",
                                               "Registro não Encontrado",
                                               "Informação do Registro Inválida"};
    return (QStringLiteral("Registro:%1 Sequência:%2 Erro:%3 Descrição do Erro: %4(Arquivo:%5, "
                           "Campo:%6)")
                .arg(recordType)
                .arg(sequence)
                .arg(code)
                .arg(QString::fromUtf8(descriptions[code - 1]), table, field))
               .toLatin1() +
           "\r\n";
}

QStringList typesAndNumbers(const QByteArray& file) {
    QStringList result;
    for (const QByteArray& l : file.split('\n')) {
        if (l.isEmpty())
            continue;
        const QByteArray body = l.endsWith('\r') ? l.chopped(1) : l;
        result << QString::fromLatin1(body.left(2) + '/' + body.mid(344));
    }
    return result;
}

}  // namespace Layout

namespace PlanningFixture {

using namespace Layout;

void setMunic(TestInstallation& inst, const QStringList& columnsAndValues) {
    const QString path = inst.dataFolder() + ParamFiles::kMunicFile;
    DataPacket munic = DataPacket::load(path);
    for (int i = 0; i + 1 < columnsAndValues.size(); i += 2)
        munic.setValue(0, columnsAndValues[i], columnsAndValues[i + 1]);
    inst.writeMunicFile(munic);
}

void insertMunicipality(TestInstallation& inst) {
    inst.exec(
        QStringLiteral("INSERT INTO TABEMPRESA (EMPRESA, NOME, TIPO, CODAUDESP, CGC) VALUES "
                       "(1, 'PREFEITURA MUNICIPAL DE SÃO JOÃO', 1, 1, '01234567000189')"));
    inst.exec(
        QStringLiteral("INSERT INTO TABEMPRESA (EMPRESA, NOME, TIPO, CODAUDESP, CGC) VALUES "
                       "(2, 'CÂMARA MUNICIPAL DE SÃO JOÃO', 2, 2, '01234567000270')"));
    // The suite stores the CNPJ and the CPFs with their punctuation.
    inst.exec(QStringLiteral("INSERT INTO CADCLI (CLNT1, CGC, PREN, CPFPRE, CONN, CPFCON, MEXER) "
                             "VALUES (?, ?, ?, ?, ?, ?, ?)"),
              {"SÃO JOÃO D'ALIANÇA", "01.234.567/0001-89", "JOSÉ DA CONCEIÇÃO", "123.456.789-01",
               "MARIA APARECIDA GONÇALVES", "987.654.321-00", "VOLD"});
    inst.seedParamFiles();
    setMunic(inst, {"CODMUNIC", "52", "PRESIDENTECAMARA", "SEBASTIÃO RODRIGUES LIMA",
                    "CPFPRESIDENTECAMARA", "555.666.777-88", "CRCCONTADOR", "GO012345",
                    "UFCRCCONTADOR", "GO"});
}

void insertAll(TestInstallation& inst) {
    insertMunicipality(inst);
    inst.exec(
        QStringLiteral("INSERT INTO PARAMORC (LEI_PPA, DTPUBLICACAO_PPA, LEI_LDO, "
                       "DTPUBLICACAO_LDO, LEI, DTLEI, DTPUBLICACAO, PERCE) VALUES ('1234', "
                       "'2009-03-05', '1250', '2009-06-30', '1301', '2009-12-15', "
                       "'2009-12-18', 7.5)"));
    inst.exec(
        QStringLiteral("INSERT INTO TABPODER (PODER, NOME) VALUES ('02', 'CÂMARA MUNICIPAL')"));
    inst.exec(
        QStringLiteral("INSERT INTO TABPODER (PODER, NOME) VALUES ('01', 'PREFEITURA MUNICIPAL')"));
    inst.exec(
        QStringLiteral("INSERT INTO TABORGAO (PODER, ORGAO, NOME) VALUES ('01', '00', "
                       "'PREFEITURA MUNICIPAL')"));
    inst.exec(
        QStringLiteral("INSERT INTO TABORGAO (PODER, ORGAO, NOME) VALUES ('01', '01', "
                       "'SECRETARIA DE ADMINISTRAÇÃO')"));
    inst.exec(
        QStringLiteral("INSERT INTO TABORGAO (PODER, ORGAO, NOME) VALUES ('02', '01', "
                       "'CÂMARA MUNICIPAL - SEDE')"));

    inst.exec(
        QStringLiteral("INSERT INTO PPAPROG (CODIGO, CODDISCRI, DISCRI, OBJET, META01, "
                       "META02, META03, META04) VALUES (1, '0001', 'GESTÃO ADMINISTRATIVA', "
                       "'MANTER OS SERVIÇOS ADMINISTRATIVOS', 1000, 1234.5, NULL, "
                       "2000000.25)"));
    inst.exec(
        QStringLiteral("INSERT INTO PPAPROG (CODIGO, CODDISCRI, DISCRI, OBJET, META01, "
                       "META02, META03, META04) VALUES (2, '0002', 'EDUCAÇÃO BÁSICA', NULL, "
                       "500000, 0, 0, 0)"));
    const QString action = QStringLiteral(
        "INSERT INTO PPAACOES (CODIGO, CODLO, FUNSUBFUN, PROJATIV, PRODU, DESCRI, UNMED, META01, "
        "META02, META03, META04, VALOR01, VALOR02, VALOR03, VALOR04) VALUES (?, ?, ?, ?, ?, ?, ?, "
        "?, ?, ?, ?, ?, ?, ?, ?)");
    inst.exec(action, {"1", "0101", "04.122", "2001", "SERVIÇO MANTIDO",
                       "MANUTENÇÃO DA SECRETARIA DE ADMINISTRAÇÃO", "UNIDADE", "12", "12", "12",
                       "12", "250000.5", "260000", QString(), "1234.5"});
    inst.exec(action, {"2", "0201", "12.361", "1002", "ESCOLA CONSTRUÍDA", "CONSTRUÇÃO DE ESCOLA",
                       "UNIDADE", "1", "1", "0", "0", "80000", "0", "0", "0"});
    inst.exec(action, {"2", "0201", "12.365", "2003", "ALUNO ATENDIDO", "TRANSPORTE ESCOLAR",
                       "ALUNO", "300", "320", "340", "360", "45000", "47000", "49000", "51000"});

    // Program 1's action: two elements, the first from two rows of source 01 and one of 02.
    const QString desorc = QStringLiteral(
        "INSERT INTO DESORC (PROGRAMA, PODER, ORGAO, FUNCAO, SUBFUNCAO, PROJATIV, CATEC, "
        "FONGRUPO, DOTAC) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?)");
    inst.exec(desorc, {"0001", "01", "01", "04", "122", "2001", "3.1.90.11.00", "01", "100000"});
    inst.exec(desorc, {"0001", "01", "01", "04", "122", "2001", "3.3.90.30.00", "01", "15000"});
    inst.exec(desorc, {"0001", "01", "01", "04", "122", "2001", "3.1.90.11.00", "02", "250.75"});
    inst.exec(desorc, {"0001", "01", "01", "04", "122", "2001", "3.1.90.11.00", "01", "50000"});
    // Program 2's first action, its source stored as "1"; the second action has no allocation.
    inst.exec(desorc, {"0002", "02", "01", "12", "361", "1002", "4.4.90.51.00", "1", "80000"});

    inst.exec(
        QStringLiteral("INSERT INTO RECTAB (CODRE, NOMRE) VALUES ('1112.02.00', 'IMPOSTO "
                       "SOBRE A PROPRIEDADE PREDIAL E TERRITORIAL URBANA')"));
    inst.exec(
        QStringLiteral("INSERT INTO RECTAB (CODRE, NOMRE) VALUES ('1722.01.01', 'COTA-PARTE "
                       "DO FUNDO DE PARTICIPAÇÃO DOS MUNICÍPIOS')"));
    inst.exec(
        QStringLiteral("INSERT INTO RECTAB (CODRE, NOMRE) VALUES ('1325.01.00', "
                       "'REMUNERAÇÃO DE DEPÓSITOS BANCÁRIOS')"));
    const QString recorc =
        QStringLiteral("INSERT INTO RECORC (PODER, CODRE, TOTOR) VALUES (?, ?, ?)");
    inst.exec(recorc, {"01", "1112.02.00", "150000"});
    inst.exec(recorc, {"01", "1722.01.01", "98765.43"});
    inst.exec(recorc, {"02", "1325.01.00", "-1200.5"});
    // A revenue code without a heading counts for its organ and the total, not for record 31.
    inst.exec(recorc, {"01", "1999.99.99", "500"});
}

QByteArray expectedFile(const QDate& today) {
    const QString ppaDate = QStringLiteral("05032009");
    const QString ldoDate = QStringLiteral("30062009");
    QByteArray f;
    f += line(
        QStringLiteral("00") + QStringLiteral("0052") +
            text(QStringLiteral("SÃO JOÃO D'ALIANÇA"), 50) + QStringLiteral("01234567000189") +
            text(QStringLiteral("JOSÉ DA CONCEIÇÃO"), 45) + QStringLiteral("12345678901") +
            text(QStringLiteral("SEBASTIÃO RODRIGUES LIMA"), 45) + QStringLiteral("55566677788") +
            text(QStringLiteral("MARIA APARECIDA GONÇALVES"), 45) + QStringLiteral("98765432100") +
            text(QStringLiteral("GO012345"), 11) + QStringLiteral("GO") + blanks(93),
        1);
    f += line(QStringLiteral("01PPALOA    VOLD  ") + QStringLiteral("001234") + ppaDate + ppaDate +
                  QStringLiteral("001250") + ldoDate + ldoDate + QStringLiteral("001301") +
                  QStringLiteral("15122009") + QStringLiteral("18122009") +
                  QStringLiteral("007.50") + QStringLiteral("000.00") + QStringLiteral("000.00") +
                  QStringLiteral("000000") + QStringLiteral("00000000") +
                  QStringLiteral("00000000") + today.toString(QStringLiteral("ddMMyyyy")) +
                  blanks(212),
              2);
    f += line(QStringLiteral("1001") + text(QStringLiteral("PREFEITURA MUNICIPAL"), 50) +
                  QStringLiteral("01") + blanks(288),
              3);
    f += line(QStringLiteral("1002") + text(QStringLiteral("CÂMARA MUNICIPAL"), 50) +
                  QStringLiteral("02") + blanks(288),
              4);
    f += line(QStringLiteral("110101") + text(QStringLiteral("SECRETARIA DE ADMINISTRAÇÃO"), 50) +
                  blanks(288),
              5);
    f += line(QStringLiteral("110201") + text(QStringLiteral("CÂMARA MUNICIPAL - SEDE"), 50) +
                  blanks(288),
              6);

    f += line(QStringLiteral("200001") + text(QStringLiteral("GESTÃO ADMINISTRATIVA"), 50) +
                  text(QStringLiteral("MANTER OS SERVIÇOS ADMINISTRATIVOS"), 230) +
                  QStringLiteral("000000001000") + QStringLiteral("0000001234.5") +
                  QStringLiteral("000000000000") + QStringLiteral("002000000.25") + blanks(10),
              7);
    const QString action1 = QStringLiteral("0001") + QStringLiteral("01") + QStringLiteral("01") +
                            QStringLiteral("04") + QStringLiteral("122") + QStringLiteral("2") +
                            QStringLiteral("001");
    f += line(QStringLiteral("21") + action1 + QStringLiteral("1") +
                  text(QStringLiteral("MANUTENÇÃO DA SECRETARIA DE ADMINISTRAÇÃO"), 200) +
                  text(QStringLiteral("SERVIÇO MANTIDO"), 30) +
                  text(QStringLiteral("UNIDADE"), 15) + QStringLiteral("0012001200120012") +
                  QStringLiteral("0000250000.5") + QStringLiteral("000000260000") +
                  QStringLiteral("000000000000") + QStringLiteral("0000001234.5") + blanks(15),
              8);
    f += line(QStringLiteral("22") + action1 + QStringLiteral("319011") +
                  QStringLiteral("000150250.75") + blanks(307),
              9);
    f += line(QStringLiteral("23") + action1 + QStringLiteral("319011") + QStringLiteral("01") +
                  QStringLiteral("000000150000") + blanks(305),
              10);
    f += line(QStringLiteral("23") + action1 + QStringLiteral("319011") + QStringLiteral("02") +
                  QStringLiteral("000000250.75") + blanks(305),
              11);
    f += line(QStringLiteral("22") + action1 + QStringLiteral("339030") +
                  QStringLiteral("000000015000") + blanks(307),
              12);
    f += line(QStringLiteral("23") + action1 + QStringLiteral("339030") + QStringLiteral("01") +
                  QStringLiteral("000000015000") + blanks(305),
              13);

    f += line(QStringLiteral("200002") + text(QStringLiteral("EDUCAÇÃO BÁSICA"), 50) +
                  QStringLiteral("NC") + blanks(228) + QStringLiteral("000000500000") +
                  QStringLiteral("000000000000") + QStringLiteral("000000000000") +
                  QStringLiteral("000000000000") + blanks(10),
              14);
    const QString action2 = QStringLiteral("0002") + QStringLiteral("0201") +
                            QStringLiteral("12361") + QStringLiteral("1002");
    f += line(QStringLiteral("21") + action2 + QStringLiteral("1") +
                  text(QStringLiteral("CONSTRUÇÃO DE ESCOLA"), 200) +
                  text(QStringLiteral("ESCOLA CONSTRUÍDA"), 30) +
                  text(QStringLiteral("UNIDADE"), 15) + QStringLiteral("0001000100000000") +
                  QStringLiteral("000000080000") + QStringLiteral("000000000000") +
                  QStringLiteral("000000000000") + QStringLiteral("000000000000") + blanks(15),
              15);
    f += line(QStringLiteral("22") + action2 + QStringLiteral("449051") +
                  QStringLiteral("000000080000") + blanks(307),
              16);
    f += line(QStringLiteral("23") + action2 + QStringLiteral("449051") + QStringLiteral("01") +
                  QStringLiteral("000000080000") + blanks(305),
              17);
    f += line(QStringLiteral("21") + QStringLiteral("0002020112365") + QStringLiteral("2003") +
                  QStringLiteral("1") + text(QStringLiteral("TRANSPORTE ESCOLAR"), 200) +
                  text(QStringLiteral("ALUNO ATENDIDO"), 30) + text(QStringLiteral("ALUNO"), 15) +
                  QStringLiteral("0300032003400360") + QStringLiteral("000000045000") +
                  QStringLiteral("000000047000") + QStringLiteral("000000049000") +
                  QStringLiteral("000000051000") + blanks(15),
              18);

    f += line(QStringLiteral("3001") + QStringLiteral("000249265.43") + blanks(328), 19);
    f += line(QStringLiteral("3002") + QStringLiteral("-000001200.5") + blanks(328), 20);
    f += line(
        QStringLiteral("3101") + QStringLiteral("11120200") +
            text(QStringLiteral("IMPOSTO SOBRE A PROPRIEDADE PREDIAL E TERRITORIAL URBANA"), 100) +
            QStringLiteral("000000150000") + blanks(220),
        21);
    f += line(QStringLiteral("3101") + QStringLiteral("17220101") +
                  text(QStringLiteral("COTA-PARTE DO FUNDO DE PARTICIPAÇÃO DOS MUNICÍPIOS"), 100) +
                  QStringLiteral("000098765.43") + blanks(220),
              22);
    f += line(QStringLiteral("3102") + QStringLiteral("13250100") +
                  text(QStringLiteral("REMUNERAÇÃO DE DEPÓSITOS BANCÁRIOS"), 100) +
                  QStringLiteral("-000001200.5") + blanks(220),
              23);
    f += line(QStringLiteral("39") + QStringLiteral("000248064.93") + blanks(330), 24);
    f += line(QStringLiteral("99") + blanks(342), 25);
    return f;
}

QByteArray expectedLog() {
    return logLine(QStringLiteral("20"), 14, 1, QStringLiteral("PPAPROG"), QStringLiteral("OBJET"));
}

}  // namespace PlanningFixture
