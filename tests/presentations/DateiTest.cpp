// Presentation and run-list files without a window: finding, reading and deleting.
#include "DateiZugriff.h"
#include "Umgebung.h"

using namespace glanzzug;
using namespace glanzzug::test;

TEST(DateiZugriff, FindenLesenUndLöschenNurImOrdner) {
    TestOrdner o;
    schreib(QStringLiteral("abend.lsl"), "A\nB");
    schreib(QStringLiteral("Mittag.Lsl.bak"), "z");
    QDir().mkdir(QStringLiteral("sub"));
    schreib(QStringLiteral("sub/x.lal"), "x");
    // The extension may differ in letter case, the name part may not; of both spellings
    // the exact one wins.
    const auto finden = [](const char* name) { return dateiFinden(QString::fromUtf8(name), ".LSL"); };
    EXPECT_EQ(QStringList({finden("abend"), finden("Abend"), finden("Mittag")}),
              (QStringList{"abend.lsl", "Abend.LSL", "Mittag.LSL"}));
    schreib(QStringLiteral("abend.LSL"), "w");
    EXPECT_EQ(finden("abend"), QStringLiteral("abend.LSL"));

    EXPECT_EQ(dateiZeilen(QStringLiteral("abend.lsl"), 10), (QStringList{"A", "B"}));
    QFile gross(QStringLiteral("gross.LSL"));
    ASSERT_TRUE(gross.open(QIODevice::WriteOnly) && gross.resize(kGrößteDatei + 1)); // sparse
    EXPECT_FALSE(dateiZeilen(QStringLiteral("gross.LSL"), 10));

    QDir().mkdir(QStringLiteral("c.LSL"));
    for (const char* nein : {"sub/x.lal", "../abend.lsl", "..", "c.LSL"})
        EXPECT_FALSE(dateiLöschen(nein)) << nein;
    EXPECT_TRUE(QFile::exists(QStringLiteral("sub/x.lal")) && QDir(QStringLiteral("c.LSL")).exists());
    EXPECT_TRUE(dateiLöschen(QStringLiteral("abend.lsl")) && !QFile::exists(QStringLiteral("abend.lsl")));
    EXPECT_TRUE(dateiLöschen(QStringLiteral("abend.lsl"))); // already gone counts as gone
}
