#include "Fenster.h"
#include "Start.h"
#include <gtest/gtest.h>

using namespace glanzzug;

TEST(Zeiteingaben, TexteBleibenZwischenEinsUndNeuntausendneunhundertneunundneunzig) {
    Fenster f;
    EngineEinrichten(f);
    for (TextFeld* feld : {&f.VerzögerungTxt, &f.DurchläufeTxt, &f.WartezeitTxt}) {
        for (const char* ersetzt : {"0", "-5", "0.4", "abc", ""}) {
            feld->setzeText(QStringLiteral("7"));
            feld->setzeText(QString::fromLatin1(ersetzt));
            EXPECT_EQ(feld->text(), u"1") << ersetzt;
        }
        feld->setzeText(QStringLiteral("1e5"));
        EXPECT_EQ(feld->text(), u"9999");
        for (const char* bleibt : {"12ab", "9999", "1.5", "2.5"}) {
            feld->setzeText(QString::fromLatin1(bleibt));
            EXPECT_EQ(feld->text(), QString::fromLatin1(bleibt));
        }
    }
}

TEST(Zeiteingaben, NurDieVerzögerungStelltDenTimer) {
    Fenster f;
    EngineEinrichten(f);
    f.VerzögerungTxt.setzeText(QStringLiteral("1.5"));
    EXPECT_EQ(f.T.intervall(), 2);
    f.VerzögerungTxt.setzeText(QStringLiteral("2.5"));
    EXPECT_EQ(f.T.intervall(), 2);
    f.VerzögerungTxt.setzeText(QStringLiteral("12ab"));
    EXPECT_EQ(f.T.intervall(), 12);
    f.VerzögerungTxt.setzeText(QString());
    EXPECT_EQ(f.VerzögerungTxt.text(), u"1");
    EXPECT_EQ(f.T.intervall(), 1);
    f.WartezeitTxt.setzeText(QStringLiteral("500"));
    f.DurchläufeTxt.setzeText(QStringLiteral("30"));
    EXPECT_EQ(f.T.intervall(), 1);
    f.VerzögerungTxt.setzeText(QStringLiteral("99999"));
    EXPECT_EQ(f.T.intervall(), 9999);
}

TEST(Zeiteingaben, HöchstensEinEndeIstGewählt) {
    Fenster f;
    EngineEinrichten(f);
    f.BisDatum.setzeWert(1);
    f.BisUhr.setzeWert(1);
    EXPECT_EQ(f.BisUhr.wert(), 1);
    EXPECT_EQ(f.BisDatum.wert(), 0);
    f.BisDatum.setzeWert(1);
    EXPECT_EQ(f.BisUhr.wert(), 0);
    EXPECT_EQ(f.BisDatum.wert(), 1);
    f.BisDatum.setzeWert(0);
    EXPECT_EQ(f.BisUhr.wert(), 0);
}
