#include "planning/PPA.h"

#include <QFileInfo>

#include "app/RunContext.h"
#include "planning/PPA_REGISTRO00.h"
#include "planning/PPA_REGISTRO10.h"
#include "planning/PPA_REGISTRO20.h"
#include "planning/PPA_REGISTRO30.h"

int planningSizeInKb(const QString& path) {
    return QFileInfo::exists(path) ? OutputFile::sizeInKb(path) : 0;
}

void PPA(RunContext& c) {
    const QString base = QStringLiteral("PPALOA") + c.Exercicio;
    c.arquivo().open(base + QStringLiteral(".txt"), base);
    PPA_REGISTRO00(c);
    PPA_REGISTRO01(c);
    PPA_REGISTRO10(c);
    PPA_REGISTRO11(c);
    PPA_REGISTRO20(c);
    PPA_REGISTRO30(c);
    PPA_REGISTRO31(c);
    PPA_REGISTRO39(c);
    PPA_REGISTRO99(c);
    c.arquivo().close(&planningSizeInKb);
}
