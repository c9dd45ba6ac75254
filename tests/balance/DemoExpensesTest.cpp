#include <gtest/gtest.h>

#include <QFile>

#include "balance/BC_DSPMMAA.h"
#include "balance/BC_EMPMMAA.h"
#include "schema/DemoData.h"
#include "support/QtPrinters.h"
#include "support/RunFixture.h"

namespace {

void fillDemo(TestInstallation& inst, int scale) {
    Transaction t = inst.db().begin(TransactionMode::ReadWrite);
    std::mt19937 random(2009);
    DemoData::Context c{t, 2009, scale, random};
    DemoData::fillEntities(c);
    DemoData::fillExpenses(c);
    t.commit();
}

qint64 count(TestInstallation& inst, const char* sql) {
    Transaction t = inst.db().begin(TransactionMode::ReadOnly);
    return t.first(QString::fromLatin1(sql))->at(0).toInteger();
}

TEST(DemoExpenses, AboutAThousandEntriesThatTheExpenditureFilesReport) {
    RunFixture f;
    fillDemo(f.inst, 1);
    const qint64 entries = count(f.inst, "SELECT COUNT(*) FROM DESPES");
    EXPECT_GE(entries, 900);
    EXPECT_LE(entries, 1300);
    EXPECT_GT(count(f.inst, "SELECT COUNT(*) FROM DESPES WHERE VADEM < 0"), 20);
    EXPECT_GT(count(f.inst, "SELECT COUNT(*) FROM DESPES WHERE CODOBRA IS NOT NULL"), 0);
    EXPECT_EQ(count(f.inst, "SELECT COUNT(*) FROM TABORGAO WHERE ORGAO <> '00'"), 8);

    RunContext& c = f.context("2", 3);
    BC_DSPMMAA(c);
    BC_EMPMMAA(c);
    for (const auto& [name, width] :
         {std::pair{"DSP0309.TXT", 263}, std::pair{"EMP0309.TXT", 327}}) {
        const QList<QByteArray> lines = f.inst.readOutput(QString::fromLatin1(name)).split('\n');
        EXPECT_GT(lines.size(), 20) << name;
        for (qsizetype i = 0; i + 1 < lines.size(); ++i)
            EXPECT_EQ(lines[i].size(), width + 1) << name << " line " << i + 1;
    }
    // The demo carries data problems in both files.
    EXPECT_TRUE(QFile::exists(f.inst.outputFolder() + "log_erro_BC_DSPMMAA.dat"));
    EXPECT_TRUE(QFile::exists(f.inst.outputFolder() + "log_erro_BC_EMPMMAA.dat"));
}

TEST(DemoExpenses, GrowsWithTheScaleAndRepeatsFromTheSeed) {
    TestInstallation a, b;
    fillDemo(a, 3);
    fillDemo(b, 3);
    const char* const sql = "SELECT COUNT(*), SUM(VADEM) FROM DESPES";
    Transaction ta = a.db().begin(TransactionMode::ReadOnly);
    Transaction tb = b.db().begin(TransactionMode::ReadOnly);
    const DbRow ra = *ta.first(QString::fromLatin1(sql)), rb = *tb.first(QString::fromLatin1(sql));
    EXPECT_GE(ra.at(0).toInteger(), 2700);
    EXPECT_EQ(ra.at(0).toInteger(), rb.at(0).toInteger());
    EXPECT_EQ(ra.at(1).fieldText(), rb.at(1).fieldText());
}

}  // namespace
