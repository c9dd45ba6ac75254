#include "planning/PlanningLine.h"

#include "app/RunContext.h"
#include "output/Fields.h"

namespace PlanningLine {

void write(RunContext& c, const QString& fixedPart) {
    c.arquivo().writeRecord(fixedPart + QString::number(c.SeqRegistro));
    ++c.SeqRegistro;
}

void writePlaceholder(RunContext& c, const QString& recordType) {
    write(c, recordType + Fields::vazio(342));
}

void step(RunContext& c) {
    c.p1().step();
    c.p2().step();
}

}  // namespace PlanningLine
