#include "app/ErrorLog.h"

#include <QFile>

#include "output/EnvironmentError.h"
#include "output/Win1252.h"

namespace {

bool toInt(const QString& text, int* value) {
    bool ok = false;
    *value = text.toInt(&ok);
    return ok;
}

}  // namespace

ErrorLog::Entry ErrorLog::parseLine(const QString& line) {
    Entry e;
    e.line = line;
    static const QString kRecord = QStringLiteral("Registro:");
    static const QString kSequence = QStringLiteral(" Sequência:");
    static const QString kError = QStringLiteral(" Erro:");
    static const QString kDescription = QStringLiteral(" Descrição do Erro: ");
    static const QString kTable = QStringLiteral("(Arquivo:");
    static const QString kField = QStringLiteral(", Campo:");
    if (!line.startsWith(kRecord) || !line.endsWith(u')'))
        return e;
    const qsizetype seq = line.indexOf(kSequence, kRecord.size());
    const qsizetype err = seq < 0 ? -1 : line.indexOf(kError, seq + kSequence.size());
    const qsizetype desc = err < 0 ? -1 : line.indexOf(kDescription, err + kError.size());
    const qsizetype table = desc < 0 ? -1 : line.indexOf(kTable, desc + kDescription.size());
    const qsizetype field = table < 0 ? -1 : line.indexOf(kField, table + kTable.size());
    if (field < 0)
        return e;
    const qsizetype seqStart = seq + kSequence.size();
    const qsizetype errStart = err + kError.size();
    if (!toInt(line.mid(seqStart, err - seqStart), &e.sequence) ||
        !toInt(line.mid(errStart, desc - errStart), &e.code))
        return e;
    e.recordType = line.mid(kRecord.size(), seq - kRecord.size());
    const qsizetype descStart = desc + kDescription.size();
    e.description = line.mid(descStart, table - descStart);
    const qsizetype tableStart = table + kTable.size();
    e.table = line.mid(tableStart, field - tableStart);
    const qsizetype fieldStart = field + kField.size();
    e.field = line.mid(fieldStart, line.size() - 1 - fieldStart);
    e.parsed = true;
    return e;
}

std::vector<ErrorLog::Entry> ErrorLog::read(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) {
        throw EnvironmentError(QStringLiteral("Não foi possível ler o arquivo de log %1: %2")
                                   .arg(path, f.errorString()));
    }
    std::vector<Entry> entries;
    for (QByteArray bytes : f.readAll().split('\n')) {
        if (bytes.endsWith('\r'))
            bytes.chop(1);
        if (bytes.isEmpty())
            continue;
        entries.push_back(parseLine(Win1252::decode(bytes)));
    }
    return entries;
}
