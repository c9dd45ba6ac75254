#include "BalanceSupport.h"

#include <QFile>

#include "support/RunFixture.h"

QByteArray bytes(const QString& text) {
    return text.toLatin1();
}

QByteArray logBytes(const std::vector<LogLine>& lines) {
    static const char* const kDescriptions[] = {"Campo Vazio", "Tabela Vazia",
                                                "Registro não Encontrado",
                                                "Informação do Registro Inválida"};
    QByteArray out;
    for (const LogLine& l : lines) {
        out += bytes(QStringLiteral("Registro:%1 Sequência:%2 Erro:%3 Descrição do Erro: "
                                    "%4(Arquivo:%5, Campo:%6)\r\n")
                         .arg(l.record)
                         .arg(l.sequence)
                         .arg(l.code)
                         .arg(QString::fromUtf8(kDescriptions[l.code - 1]), l.table, l.field));
    }
    return out;
}

QByteArray readLog(const RunFixture& f, const QString& logName) {
    const QString path =
        f.inst.outputFolder() + QStringLiteral("log_erro_") + logName + QStringLiteral(".dat");
    if (!QFile::exists(path))
        return {};
    return readBytes(path);
}

DbRow withValue(const DbRow& row, const QString& name, const DbValue& value) {
    std::vector<DbValue> values;
    for (int i = 0; i < row.size(); ++i)
        values.push_back(row.at(i));
    values[size_t(row.columns().indexOf(name))] = value;
    return DbRow(std::make_shared<const DbColumns>(row.columns()), std::move(values));
}

QString blanks(int n) {
    return QString(n, u' ');
}

QString fit(const QString& s, int w) {
    return s.leftJustified(w, u' ', true);
}

QString seq(int n) {
    return QString::number(n).rightJustified(6, u'0');
}
