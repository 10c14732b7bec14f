// Presentation and run-list files without a window: line splitting, finding, reading and
// deleting.
#include "DateiZugriff.h"
#include "Umgebung.h"

using namespace glanzzug;
using namespace glanzzug::test;

TEST(DateiZugriff, ZeilenBeiJedemZeilenende) {
    const std::pair<QByteArray, QStringList> fälle[] = {{"A\r\nB\r\n", {"A", "B"}},
                                                        {"A\nB\n", {"A", "B"}},
                                                        {"A\rB", {"A", "B"}},
                                                        {"A\n\rB", {"A", "", "B"}},
                                                        {"A\r\n\r\nB", {"A", "", "B"}},
                                                        {"\r\n", {""}},
                                                        {"", {}},
                                                        {"Gr\xFC\xDF \x80", {"Grüß €"}}};
    for (const auto& [bytes, zeilen] : fälle) EXPECT_EQ(zeilenAus(bytes, 100), zeilen) << bytes.toStdString();
    EXPECT_EQ(zeilenAus("A\nB\nC\n", 2), (QStringList{"A", "B"}));
}

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
