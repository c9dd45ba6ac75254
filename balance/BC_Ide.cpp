#include "balance/BC_Ide.h"

#include "app/RunContext.h"
#include "output/Fields.h"
#include "output/NumberFormat.h"
#include "params/ParamFiles.h"

void BC_Ide(RunContext& c) {
    c.p1().reset(1);
    c.arquivo().CRIAR_ARQ(QStringLiteral("IDE"));

    const DataPacket munic = DataPacket::load(c.dataFolder + ParamFiles::kMunicFile);
    const QString codMunic =
        munic.rowCount() > 0 ? munic.text(0, QStringLiteral("CODMUNIC")) : QString();
    const QString tipo = c.entity.text(QStringLiteral("TIPO"));

    QString record = QStringLiteral("10");
    if (codMunic.trimmed().isEmpty()) {
        c.log_erro(QStringLiteral("10"), 1, QStringLiteral("IDE"),
                   QStringLiteral("CÓDIGO DO MUNICIPIO"), 1);
        record += QStringLiteral("0000");
    } else {
        record += codMunic.left(4);
    }
    // An empty type is logged and written empty: the record comes out two characters short.
    if (tipo.trimmed().isEmpty())
        c.log_erro(QStringLiteral("10"), 1, QStringLiteral("IDE"),
                   QStringLiteral("TIPO DA ENTIDADE"), 1);
    else
        record += Fields::number(tipo, 2);
    record +=
        c.Exercicio + c.Mes + u'0' + NumberFormat::shortDate(c.today()) + QStringLiteral("000001");
    c.arquivo().writeRecord(record);
    c.p1().step();
    c.arquivo().Fecha_arq();
}
