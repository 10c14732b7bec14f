// Presentation and run-list files without a window: finding, reading and deleting.
#include "DateiZugriff.h"
#include "Umgebung.h"
#include <fcntl.h>
#include <sys/stat.h>
#include <ctime>

using namespace glanzzug;
using namespace glanzzug::test;

TEST(DateiZugriff, FindenLesenUndLöschenNurImOrdner) {
    TestOrdner o;
    schreib(QStringLiteral("abend.lsl"), "A\nB");
    schreib(QStringLiteral("Mittag.Lsl.bak"), "z");
    QDir().mkdir(QStringLiteral("sub"));
    schreib(QStringLiteral("sub/x.lal"), "x");
    // The extension may differ in letter case, the name part may not.
    EXPECT_EQ(dateiFinden(QStringLiteral("abend"), QStringLiteral(".LSL")), QStringLiteral("abend.lsl"));
    EXPECT_EQ(dateiFinden(QStringLiteral("Abend"), QStringLiteral(".LSL")), QStringLiteral("Abend.LSL"));
    EXPECT_EQ(dateiFinden(QStringLiteral("Mittag"), QStringLiteral(".LSL")), QStringLiteral("Mittag.LSL"));
    schreib(QStringLiteral("abend.LSL"), "w"); // both spellings: the exact one wins
    EXPECT_EQ(dateiFinden(QStringLiteral("abend"), QStringLiteral(".LSL")), QStringLiteral("abend.LSL"));

    EXPECT_EQ(dateiZeilen(QStringLiteral("abend.lsl"), 10), (QStringList{"A", "B"}));
    QFile gross(QStringLiteral("gross.LSL"));
    ASSERT_TRUE(gross.open(QIODevice::WriteOnly) && gross.resize(kGrößteDatei + 1)); // sparse
    EXPECT_FALSE(dateiZeilen(QStringLiteral("gross.LSL"), 10));

    QDir().mkdir(QStringLiteral("c.LSL"));
    for (const char* nein : {"sub/x.lal", "../abend.lsl", "..", "c.LSL"})
        EXPECT_FALSE(dateiLöschen(nein)) << nein;
    EXPECT_TRUE(QFile::exists(QStringLiteral("sub/x.lal")));
    EXPECT_TRUE(QDir(QStringLiteral("c.LSL")).exists());
    EXPECT_TRUE(dateiLöschen(QStringLiteral("abend.lsl")));
    EXPECT_FALSE(QFile::exists(QStringLiteral("abend.lsl")));
    EXPECT_TRUE(dateiLöschen(QStringLiteral("abend.lsl"))); // already gone counts as gone
}

// The listing behind dateiFinden is kept while the folder is unchanged; every change of
// the folder is seen at the next lookup.
TEST(DateiZugriff, FindenFolgtÄnderungenDesOrdners) {
    TestOrdner o;
    // A folder that has rested for a while, so that its listing is kept.
    const auto ruhen = [] {
        timespec alt[2]{};
        ::clock_gettime(CLOCK_REALTIME, &alt[0]);
        alt[0].tv_sec -= 60;
        alt[1] = alt[0];
        ASSERT_EQ(::utimensat(AT_FDCWD, ".", alt, 0), 0);
    };
    ruhen();
    EXPECT_EQ(dateiFinden(QStringLiteral("Neu"), QStringLiteral(".LSL")), QStringLiteral("Neu.LSL"));
    schreib(QStringLiteral("Neu.lsl"), "Text=neu\r\n");
    EXPECT_EQ(dateiFinden(QStringLiteral("Neu"), QStringLiteral(".LSL")), QStringLiteral("Neu.lsl"));
    ruhen();
    EXPECT_EQ(dateiFinden(QStringLiteral("Neu"), QStringLiteral(".LSL")), QStringLiteral("Neu.lsl"));
    EXPECT_EQ(dateiFinden(QStringLiteral("Neu"), QStringLiteral(".LAL")), QStringLiteral("Neu.LAL"));
    ASSERT_TRUE(QFile::remove(QStringLiteral("Neu.lsl")));
    EXPECT_EQ(dateiFinden(QStringLiteral("Neu"), QStringLiteral(".LSL")), QStringLiteral("Neu.LSL"));
    // Another folder as the current one: its own files, not the kept listing.
    ruhen();
    schreib(QStringLiteral("Alt.lsl"), "x");
    ruhen();
    EXPECT_EQ(dateiFinden(QStringLiteral("Alt"), QStringLiteral(".LSL")), QStringLiteral("Alt.lsl"));
    TestOrdner anderer;
    ruhen();
    EXPECT_EQ(dateiFinden(QStringLiteral("Alt"), QStringLiteral(".LSL")), QStringLiteral("Alt.LSL"));
}
