#include "app/LogNames.h"

namespace LogNames {

std::optional<Match> forCaption(const QString& caption, const QString& Mes,
                                const QString& Exercicio) {
    if (caption == QStringLiteral("PPALOA") + Exercicio + QStringLiteral(".txt"))
        return Match{QStringLiteral("PPALOA") + Exercicio, true};
    if (caption == u"IDE.TXT")
        return Match{QStringLiteral("IDE"), false};
    if (caption == u"ORGAO.TXT")
        return Match{QStringLiteral("ORGAO"), false};
    static const char* const kMonthly[] = {"REC", "ARC", "DSP", "AOC", "COB", "EMP", "ANL", "CTB",
                                           "NTF", "CON", "EXT", "LQD", "ALQ", "OPS", "AOP", "RSP"};
    const QString period = Mes + Exercicio.mid(2, 2) + QStringLiteral(".TXT");
    for (const char* code : kMonthly) {
        const QString c = QString::fromLatin1(code);
        if (caption == c + period)
            return Match{QStringLiteral("BC_") + c + QStringLiteral("MMAA"), false};
    }
    // The revenue file is written with a lower-case extension; its line must open its log too.
    if (caption == QStringLiteral("REC") + Mes + Exercicio.mid(2, 2) + QStringLiteral(".txt"))
        return Match{QStringLiteral("BC_RECMMAA"), false};
    return std::nullopt;
}

QString logFileName(const QString& nomeLog) {
    return QStringLiteral("log_erro_") + nomeLog + QStringLiteral(".dat");
}

}  // namespace LogNames
