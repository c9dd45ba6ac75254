#include "schema/DemoData.h"

#include <QDate>

#include "params/DataPacket.h"
#include "settings/Transaction.h"

namespace DemoData {

void fill(Transaction& t, int year, int scale, quint32 seed) {
    std::mt19937 random(seed);
    Context c{t, year, scale, random};
    fillEntities(c);
    fillRevenue(c);
    fillExpenses(c);
    fillPlanning(c);
}

QString money(qint64 cents) {
    const qint64 a = cents < 0 ? -cents : cents;
    return QStringLiteral("%1%2.%3")
        .arg(cents < 0 ? QStringLiteral("-") : QString())
        .arg(a / 100)
        .arg(a % 100, 2, 10, QChar(u'0'));
}

QString isoDate(int year, int month, int day) {
    return QDate(year, month, day).toString(Qt::ISODate);
}

void completeParamFiles(DataPacket* orgao, DataPacket* munic) {
    static const char* const kGestores[] = {"JOSÉ DA CONCEIÇÃO", "ANTÔNIO CARLOS DE MELO",
                                            "MARIA DAS GRAÇAS PEREIRA", "JOÃO BATISTA ARAÚJO"};
    for (int r = 0; r < orgao->rowCount(); ++r) {
        const bool incomplete = r == orgao->rowCount() - 1;  // one entity left half filled in
        orgao->setValue(r, QStringLiteral("CPFGESTOR"),
                        QStringLiteral("%1").arg(10000000001LL + r * 1111111, 11, 10, QChar(u'0')));
        orgao->setValue(r, QStringLiteral("NOMEGESTOR"), QString::fromUtf8(kGestores[r % 4]));
        orgao->setValue(r, QStringLiteral("LOGRARESGESTOR"),
                        QStringLiteral("RUA GOIÁS, %1").arg(100 + r));
        orgao->setValue(r, QStringLiteral("SETORLOGRAGESTOR"), QStringLiteral("SETOR CENTRAL"));
        orgao->setValue(r, QStringLiteral("CIDADELOGRAGESTOR"),
                        QStringLiteral("SÃO JOÃO D'ALIANÇA"));
        orgao->setValue(r, QStringLiteral("UFCIDADELOGRAGESTOR"), QStringLiteral("GO"));
        orgao->setValue(r, QStringLiteral("CEPLOGRAGESTOR"), QStringLiteral("73760000"));
        orgao->setValue(r, QStringLiteral("NOMECONTADOR"),
                        QStringLiteral("MARIA APARECIDA GONÇALVES"));
        orgao->setValue(r, QStringLiteral("CPFCONTADOR"), QStringLiteral("98765432100"));
        orgao->setValue(r, QStringLiteral("CRCCONTADOR"), QStringLiteral("GO012345"));
        orgao->setValue(r, QStringLiteral("UFCRCCONTADOR"), QStringLiteral("GO"));
        if (!incomplete) {
            orgao->setValue(r, QStringLiteral("NOMECONTROLEINTERNO"),
                            QStringLiteral("LUÍS FERNANDO CORRÊA"));
            orgao->setValue(r, QStringLiteral("CPFCONTROLEINTERNO"), QStringLiteral("11122233344"));
        }
    }
    for (int r = 0; r < munic->rowCount(); ++r) {
        munic->setValue(r, QStringLiteral("CODMUNIC"), QStringLiteral("0052"));
        munic->setValue(r, QStringLiteral("PRESIDENTECAMARA"),
                        QStringLiteral("SEBASTIÃO RODRIGUES LIMA"));
        munic->setValue(r, QStringLiteral("CPFPRESIDENTECAMARA"), QStringLiteral("555.666.777-88"));
        munic->setValue(r, QStringLiteral("CRCCONTADOR"), QStringLiteral("GO012345"));
        munic->setValue(r, QStringLiteral("UFCRCCONTADOR"), QStringLiteral("GO"));
    }
}

}  // namespace DemoData
