#include "AufnahmePort.h"
#include "Fenster.h"
#include "LaufSchritt.h"
#include "Start.h"
#include <gtest/gtest.h>

using namespace glanzzug;

namespace {
// A window whose text mode is a scripted step: every `passLänge`-th step ends a pass with
// `endStatus`. It records whether each tick sent a frame and how often the run list moved on.
struct Ablaufprobe {
    Fenster f;
    AufnahmePort port;
    int schritte = 0, weiter = 0;
    int passLänge = 3;
    int endStatus = kPassEnde;

    Ablaufprobe() {
        f.port = &port;
        EngineEinrichten(f);
        f.ablauf.schritt[0] = [this](Fenster& w) {
            if (++schritte % passLänge == 0) w.DurchlaufStatus = endStatus;
        };
        f.ablauf.laufListeWeiter = [this](Fenster&) { ++weiter; };
        f.Pic.setzeGröße(42, 7);
        f.Schrittweite = 1;
        f.Start.setzeWert(0);
        f.VerzögerungTxt.setzeText(QStringLiteral("10"));
        f.WartezeitTxt.setzeText(QStringLiteral("50"));
        f.jetzt = [] { return QDateTime(QDate(2011, 3, 24), QTime(12, 30)); };
    }
    // One tick: returns whether a frame went out, and the interval afterwards.
    std::pair<bool, int> tick() {
        const auto vorher = port.schreiben.size();
        f.T.setzeAn(true);
        f.T.ablaufen();
        return {port.schreiben.size() > vorher, f.T.intervall()};
    }
};
} // namespace

TEST(LaufSchritt, ZählModusZeitleiste) {
    Ablaufprobe p;
    p.f.DurchläufeTxt.setzeText(QStringLiteral("2"));
    using T = std::pair<bool, int>;
    // Pass 1: three frames at V; the third ends the pass and is counted.
    EXPECT_EQ(p.tick(), T(true, 10));
    EXPECT_EQ(p.tick(), T(true, 10));
    EXPECT_EQ(p.tick(), T(true, 10));
    EXPECT_EQ(p.f.OftLabel.text(), u"1");
    EXPECT_EQ(p.f.DurchlaufStatus, kPassEnde);
    // The tick after the last frame only switches to the wait.
    EXPECT_EQ(p.tick(), T(false, 50));
    // W later the next pass starts with a frame at once.
    EXPECT_EQ(p.tick(), T(true, 10));
    EXPECT_EQ(p.tick(), T(true, 10));
    EXPECT_EQ(p.tick(), T(true, 10)); // pass 2 ends: count reached
    EXPECT_EQ(p.f.OftLabel.text(), u"2");
    EXPECT_EQ(p.f.DurchlaufStatus, kAnzahlErreicht);
    EXPECT_EQ(p.f.DurchlaufNummer, 0);
    EXPECT_EQ(p.tick(), T(false, 50)); // final wait
    EXPECT_EQ(p.f.DurchlaufStatus, kFertig);
    // Without Start the presentation restarts at once, stepping in the same tick.
    EXPECT_EQ(p.tick(), T(true, 10));
    EXPECT_EQ(p.weiter, 0);
    EXPECT_EQ(p.schritte, 7);
}

TEST(LaufSchritt, MitStartWirdÜbergebenOhneFrame) {
    Ablaufprobe p;
    p.f.Start.setzeWert(1);
    p.f.DurchläufeTxt.setzeText(QStringLiteral("1"));
    p.tick();
    p.tick();
    p.tick(); // pass ends, count 1 reached
    EXPECT_EQ(p.f.DurchlaufStatus, kAnzahlErreicht);
    EXPECT_EQ(p.tick().first, false);
    const auto [gesendet, intervall] = p.tick();
    EXPECT_FALSE(gesendet);
    EXPECT_EQ(p.weiter, 1);
    EXPECT_EQ(p.f.DurchlaufStatus, kSchreiten);
    EXPECT_EQ(intervall, 50); // only the loader or the next wait set the step interval again
}

TEST(LaufSchritt, StatusDreiVomSchrittEndetOhneWarten) {
    Ablaufprobe p;
    p.endStatus = kFertig;
    p.passLänge = 2;
    p.f.DurchläufeTxt.setzeText(QStringLiteral("5"));
    p.tick();
    EXPECT_TRUE(p.tick().first); // pass counted, state stays 3, frame sent
    EXPECT_EQ(p.f.OftLabel.text(), u"1");
    EXPECT_EQ(p.f.DurchlaufStatus, kFertig);
    EXPECT_TRUE(p.tick().first); // restarts at once, no wait
    EXPECT_EQ(p.schritte, 3);
}

TEST(LaufSchritt, EndzeitUndEnddatum) {
    {
        Ablaufprobe p; // end time not reached: not counted, the pass repeats after the wait
        p.f.BisUhr.setzeWert(1);
        p.f.BisUhrText.setzeText(QStringLiteral("13:00"));
        p.f.DurchläufeTxt.setzeText(QStringLiteral("1"));
        for (int i = 0; i < 3; ++i) p.tick();
        EXPECT_EQ(p.f.DurchlaufStatus, kPassEnde);
        EXPECT_EQ(p.f.OftLabel.text(), u"1"); // the design caption, untouched
    }
    {
        Ablaufprobe p; // reached: finished at the end of the pass, that frame is not sent
        p.f.BisUhr.setzeWert(1);
        p.f.BisUhrText.setzeText(QStringLiteral("12:30"));
        EXPECT_TRUE(p.tick().first);
        EXPECT_TRUE(p.tick().first);
        EXPECT_FALSE(p.tick().first);
        EXPECT_EQ(p.f.DurchlaufStatus, kFertig);
    }
    {
        Ablaufprobe p; // "9:30" compares greater than every HH:MM: never reached
        p.f.BisUhr.setzeWert(1);
        p.f.BisUhrText.setzeText(QStringLiteral("9:30"));
        for (int i = 0; i < 3; ++i) p.tick();
        EXPECT_EQ(p.f.DurchlaufStatus, kPassEnde);
    }
    {
        Ablaufprobe p; // the date key: 01.01.07 -> 070101, today 110324: reached
        p.f.BisDatum.setzeWert(1);
        for (int i = 0; i < 3; ++i) p.tick();
        EXPECT_EQ(p.f.DurchlaufStatus, kFertig);
        EXPECT_EQ(DatumsSchlüssel(QStringLiteral("01.01.07")), u"070101");
        EXPECT_EQ(DatumsSchlüssel(QStringLiteral("24.03.2011")), u"110324");
        p.f.BisDatumText.setzeText(QStringLiteral("25.03.11"));
        EXPECT_FALSE(EnddatumErreicht(p.f));
        p.f.BisDatumText.setzeText(QStringLiteral("24.03.11"));
        EXPECT_TRUE(EnddatumErreicht(p.f));
    }
}

TEST(LaufSchritt, EffektModiSetzenLaufpositionZurückUndZählenFrames) {
    Ablaufprobe p;
    int effektSchritte = 0;
    p.f.ablauf.schritt[4] = [&](Fenster& w) {
        ++effektSchritte;
        EXPECT_EQ(w.Laufposition, 0);
        w.DurchlaufStatus = kPassEnde;
    };
    p.f.AusWal.wähle(4);
    p.f.DurchläufeTxt.setzeText(QStringLiteral("3"));
    // Every step is a pass: a frame every two ticks, passes counted as frames.
    std::vector<bool> gesendet;
    for (int i = 0; i < 6; ++i) gesendet.push_back(p.tick().first);
    EXPECT_EQ(gesendet, (std::vector<bool>{true, false, true, false, true, false}));
    EXPECT_EQ(effektSchritte, 3);
    EXPECT_EQ(p.f.DurchlaufStatus, kFertig);
}

TEST(LaufSchritt, TimerAusFriertDenZustandEin) {
    Ablaufprobe p;
    p.f.DurchläufeTxt.setzeText(QStringLiteral("5"));
    for (int i = 0; i < 4; ++i) p.tick(); // now waiting
    ASSERT_EQ(p.f.DurchlaufStatus, kWarten);
    p.f.TimerAus.klick();
    p.f.T.ablaufen();
    EXPECT_EQ(p.f.DurchlaufStatus, kWarten);
    EXPECT_EQ(p.f.T.intervall(), 50);
    p.f.TimerAn.klick();
    EXPECT_TRUE(p.f.T.an());
    EXPECT_TRUE(p.tick().first);
    EXPECT_EQ(p.f.DurchlaufStatus, kSchreiten);
}
