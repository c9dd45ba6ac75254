#include "balance/BC_ARCMMAA.h"

#include "app/RunContext.h"
#include "output/Fields.h"

void BC_ARCMMAA(RunContext& c) {
    const QString name = QStringLiteral("ARC") + c.Mes + c.twoDigitYear() + QStringLiteral(".TXT");
    c.p1().reset(1);
    c.arquivo().open(name, QStringLiteral("BC_ARCMMAA"));
    c.arquivo().writeRecord(QStringLiteral("99") + Fields::vazio(244) + QStringLiteral("000001"));
    c.p1().step();
    c.arquivo().Fecha_arq();
}
