#include "app/RecordFinder.h"

#include <QFile>
#include <QList>

#include "output/EnvironmentError.h"
#include "output/Fields.h"
#include "output/Win1252.h"

std::optional<RecordFinder::Record> RecordFinder::findBySequence(const QString& path, int sequence,
                                                                 bool planning) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) {
        throw EnvironmentError(
            QStringLiteral("Não foi possível ler o arquivo %1: %2").arg(path, f.errorString()));
    }
    QList<QByteArray> lines = f.readAll().split('\n');
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    const QByteArray tail = Fields::sequence(sequence).toLatin1();
    for (qsizetype i = 0; i < lines.size(); ++i) {
        QByteArray& bytes = lines[i];
        if (bytes.endsWith('\r'))
            bytes.chop(1);
        const bool match = planning ? i + 1 == sequence : bytes.endsWith(tail);
        if (match)
            return Record{int(i + 1), Win1252::decode(bytes)};
    }
    return std::nullopt;
}
