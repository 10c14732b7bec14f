#include "Textdatei.h"
#include "TestHilfen.h"
#include <gtest/gtest.h>

using namespace glanzzug;
using namespace glanzzug::test;

TEST(Textdatei, ZeilenBeiJedemZeilenende) {
    const std::pair<QByteArray, QStringList> fälle[] = {
        {"A\r\nB\r\n", {"A", "B"}}, {"A\nB\n", {"A", "B"}},          {"A\rB", {"A", "B"}},
        {"A\n\rB", {"A", "", "B"}}, {"A\r\n\r\nB", {"A", "", "B"}}, {"\r\n", {""}},
        {"", {}},                   {"Gr\xFC\xDF \x80", {"Grüß €"}}};
    for (const auto& [bytes, zeilen] : fälle) EXPECT_EQ(zeilenAus(bytes, 100), zeilen) << bytes.toStdString();
    EXPECT_EQ(zeilenAus("A\nB\nC\n", 2), (QStringList{"A", "B"}));
    TestOrdner o;
    schreib("zwei", "erste\r\nzweite\r\n");
    schreib("nichts", "");
    EXPECT_EQ(*leseErsteZeile("zwei"), u"erste");
    EXPECT_FALSE(leseErsteZeile("nichts"));
    EXPECT_FALSE(leseZeilen("fehlt"));
}

TEST(Textdatei, Windows1252HinUndZurück) {
    TestOrdner o;
    ASSERT_TRUE(schreibeZeilenAtomar("t", {QStringLiteral("+Lös=ÄÖÜäöüß€"), QString()}));
    EXPECT_EQ(lies("t"), QByteArray("+L\xf6s=\xc4\xd6\xdc\xe4\xf6\xfc\xdf\x80\r\n\r\n"));
    EXPECT_EQ(leseZeilen("t")->first(), QStringLiteral("+Lös=ÄÖÜäöüß€"));
    EXPECT_FALSE(inWindows1252(u"→"));
    EXPECT_EQ(nurWindows1252(QStringLiteral("a→b€")), QStringLiteral("ab€"));
}
