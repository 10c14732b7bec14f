#include "Fenster.h"
#include "Start.h"
#include <gtest/gtest.h>

using namespace glanzzug;

// Every timing box keeps 1 to 9999; only the delay sets the timer (rounded, halves to even).
TEST(Zeiteingaben, TexteBleibenZwischenEinsUndNeuntausendneunhundertneunundneunzig) {
    Fenster f;
    EngineEinrichten(f);
    const std::pair<const char*, const char*> fälle[] = {{"0", "1"},       {"-5", "1"},       {"0.4", "1"},
                                                         {"abc", "1"},     {"", "1"},         {"1e5", "9999"},
                                                         {"12ab", "12ab"}, {"9999", "9999"}, {"2.5", "2.5"}};
    for (TextFeld* feld : {&f.VerzögerungTxt, &f.DurchläufeTxt, &f.WartezeitTxt})
        for (const auto& [getippt, bleibt] : fälle) {
            feld->setzeText(QStringLiteral("7"));
            feld->setzeText(QString::fromLatin1(getippt));
            EXPECT_EQ(feld->text(), QString::fromLatin1(bleibt)) << getippt;
        }
    for (const auto& [verzögerung, intervall] : {std::pair("1.5", 2), {"2.5", 2}, {"12ab", 12}, {"", 1}, {"99999", 9999}}) {
        f.VerzögerungTxt.setzeText(QString::fromLatin1(verzögerung));
        f.WartezeitTxt.setzeText(QStringLiteral("500"));
        f.DurchläufeTxt.setzeText(QStringLiteral("30"));
        EXPECT_EQ(f.T.intervall(), intervall) << verzögerung;
    }
}

TEST(Zeiteingaben, HöchstensEinEndeIstGewählt) {
    Fenster f;
    EngineEinrichten(f);
    f.BisDatum.setzeWert(1);
    f.BisUhr.setzeWert(1);
    EXPECT_EQ(std::pair(f.BisUhr.wert(), f.BisDatum.wert()), std::pair(1, 0));
    f.BisDatum.setzeWert(1);
    EXPECT_EQ(std::pair(f.BisUhr.wert(), f.BisDatum.wert()), std::pair(0, 1));
}
