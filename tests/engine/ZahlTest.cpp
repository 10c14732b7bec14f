#include "Zahl.h"
#include <QStringList>
#include <cmath>
#include <gtest/gtest.h>

using namespace glanzzug;

TEST(Zahl, FührendeZahl) {
    constexpr double kInf = std::numeric_limits<double>::infinity();
    // Blanks between digits are ignored, a comma is no decimal point, at most one point,
    // an exponent needs digits; overflow is infinite, underflow 0.
    const std::pair<const char16_t*, double> fälle[] = {
        {u"100", 100},  {u"250ms", 250}, {u"  100 ms", 100}, {u"\t7", 7},   {u"1 2", 12},     {u"8,25", 8},
        {u"8.25", 8.25}, {u"1.2.3", 1.2}, {u"abc", 0},        {u"", 0},      {u"-5", -5},      {u"+4", 4},
        {u"-", 0},       {u".", 0},       {u".5", 0.5},       {u"1e5", 1e5}, {u"2E-1x", 0.2},  {u"3e", 3},
        {u"0100", 100},  {u"1e999", kInf}, {u"-1e999", -kInf}, {u"-1e308", -1e308}, {u"1e-999", 0}};
    for (const auto& [text, wert] : fälle) EXPECT_EQ(führendeZahl(text), wert) << QString::fromUtf16(text).toStdString();
    EXPECT_EQ(führendeZahl(QString(5000, u'9')), kInf);
}

TEST(Zahl, RundenUndGanzzahlBereiche) {
    // Halves to even; Int floors.
    for (const auto& [v, r] : {std::pair(2.5, 2.0), {3.5, 4.0}, {-2.5, -2.0}, {0.4, 0.0}}) EXPECT_EQ(runden(v), r) << v;
    for (const auto& [v, r] : {std::pair(-0.5, -1.0), {-0.25, -1.0}, {7.9, 7.0}}) EXPECT_EQ(ganzTeil(v), r) << v;
    EXPECT_EQ(alsGanzzahl(7.4, 0, 7), 7);
    EXPECT_FALSE(alsGanzzahl(7.5, 0, 7)); // rounds to 8
    EXPECT_FALSE(alsGanzzahl(std::numeric_limits<double>::infinity(), 0, 10));
    EXPECT_EQ(alsGanzzahl(-200, -200, 200), -200);
}

TEST(Zahl, TexteFürDateien) {
    EXPECT_EQ(QStringList({zahlText(12), zahlText(-3), zahlText(8.25), zahlText(0), freieZahl(7), freieZahl(-3)}),
              (QStringList{"12", "-3", "8.25", "0", " 7", "-3"}));
    // What is written reads back to the same number.
    for (double v : {6.75, 0.1, 1e20, -42.125, 123456789.0}) EXPECT_EQ(führendeZahl(zahlText(v)), v);
}
