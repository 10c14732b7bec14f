#include "Zahl.h"
#include <cmath>
#include <gtest/gtest.h>

using namespace glanzzug;

TEST(Zahl, FührendeZahlNimmtWasDieBeispieleBrauchen) {
    EXPECT_EQ(führendeZahl(u"100"), 100);
    EXPECT_EQ(führendeZahl(u"250ms"), 250);
    EXPECT_EQ(führendeZahl(u"  100 ms"), 100);
    EXPECT_EQ(führendeZahl(u"\t7"), 7);
    EXPECT_EQ(führendeZahl(u" 3"), 3);
    EXPECT_EQ(führendeZahl(u"1 2"), 12);        // blanks between digits are ignored
    EXPECT_EQ(führendeZahl(u"8,25"), 8);        // a comma is no decimal point
    EXPECT_EQ(führendeZahl(u"8.25"), 8.25);
    EXPECT_EQ(führendeZahl(u"1.2.3"), 1.2);     // at most one point
    EXPECT_EQ(führendeZahl(u"12ab"), 12);
    EXPECT_EQ(führendeZahl(u"abc"), 0);
    EXPECT_EQ(führendeZahl(u""), 0);
    EXPECT_EQ(führendeZahl(u"-5"), -5);
    EXPECT_EQ(führendeZahl(u"+4"), 4);
    EXPECT_EQ(führendeZahl(u"-"), 0);
    EXPECT_EQ(führendeZahl(u"."), 0);
    EXPECT_EQ(führendeZahl(u".5"), 0.5);
    EXPECT_EQ(führendeZahl(u"1e5"), 100000);
    EXPECT_EQ(führendeZahl(u"2E-1x"), 0.2);
    EXPECT_EQ(führendeZahl(u"3e"), 3);          // an exponent needs digits
    EXPECT_EQ(führendeZahl(u"0100"), 100);
}

TEST(Zahl, ÜberlaufWirdUnendlichUnterlaufNull) {
    EXPECT_TRUE(std::isinf(führendeZahl(u"1e999")));
    EXPECT_GT(führendeZahl(u"1e999"), 0);
    EXPECT_LT(führendeZahl(u"-1e999"), 0);
    EXPECT_EQ(führendeZahl(u"-1e308"), -1e308);
    EXPECT_EQ(führendeZahl(u"1e-999"), 0);
    EXPECT_EQ(führendeZahl(QString(5000, u'9')), std::numeric_limits<double>::infinity());
}

TEST(Zahl, RundenHalbZurGeradenIntNachUnten) {
    EXPECT_EQ(runden(2.5), 2);
    EXPECT_EQ(runden(3.5), 4);
    EXPECT_EQ(runden(-2.5), -2);
    EXPECT_EQ(runden(1.5), 2);
    EXPECT_EQ(runden(0.4), 0);
    EXPECT_EQ(ganzTeil(-0.5), -1);
    EXPECT_EQ(ganzTeil(-0.25), -1);
    EXPECT_EQ(ganzTeil(7.9), 7);
}

TEST(Zahl, GanzzahlZielePrüfenIhrenBereich) {
    EXPECT_EQ(alsGanzzahl(2.5, 0, 7), 2);
    EXPECT_EQ(alsGanzzahl(7.4, 0, 7), 7);
    EXPECT_FALSE(alsGanzzahl(7.5, 0, 7)); // rounds to 8
    EXPECT_FALSE(alsGanzzahl(65536, -32768, 32767));
    EXPECT_FALSE(alsGanzzahl(std::numeric_limits<double>::infinity(), 0, 10));
    EXPECT_EQ(alsGanzzahl(-200, -200, 200), -200);
}

TEST(Zahl, TexteFürDateien) {
    EXPECT_EQ(zahlText(12), u"12");
    EXPECT_EQ(zahlText(-3), u"-3");
    EXPECT_EQ(zahlText(8.25), u"8.25");
    EXPECT_EQ(zahlText(1.5), u"1.5");
    EXPECT_EQ(zahlText(0), u"0");
    EXPECT_EQ(freieZahl(7), u" 7");
    EXPECT_EQ(freieZahl(-3), u"-3");
    // What is written reads back to the same number.
    for (double v : {6.75, 0.1, 1e20, -42.125, 123456789.0}) EXPECT_EQ(führendeZahl(zahlText(v)), v);
}
