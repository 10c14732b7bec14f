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
    int passLänge = 3, endStatus = kPassEnde;

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
    // (frame sent, interval, pass state and count shown, -1 and "" where not checked) after
    // each tick: three frames at V, the third ends the pass and is counted; the tick after
    // it only switches to the wait W; then the next pass starts with a frame at once.
    // After the final wait, without Start, the presentation restarts in the same tick.
    using T = std::tuple<bool, int, int, QString>;
    const T folge[] = {{true, 10, -1, ""},        {true, 10, -1, ""},       {true, 10, kPassEnde, "1"},
                       {false, 50, -1, ""},       {true, 10, -1, ""},       {true, 10, -1, ""},
                       {true, 10, kAnzahlErreicht, "2"}, {false, 50, kFertig, ""}, {true, 10, -1, ""}};
    for (std::size_t i = 0; i < std::size(folge); ++i) {
        const auto [gesendet, intervall] = p.tick();
        const int status = std::get<2>(folge[i]) < 0 ? -1 : p.f.DurchlaufStatus;
        const QString zahl = std::get<3>(folge[i]).isEmpty() ? QString() : p.f.OftLabel.text();
        EXPECT_EQ(T(gesendet, intervall, status, zahl), folge[i]) << "tick " << i;
    }
    EXPECT_EQ(p.weiter, 0);
    EXPECT_EQ(p.schritte, 7);
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
    // The clock says 24.03.2011 12:30. Not reached: the pass repeats after the wait;
    // reached: finished at the end of the pass, whose last frame is not sent. "9:30"
    // compares greater than every HH:MM; a date counts by its year's last two digits.
    const struct {
        KontrollFeld Fenster::*box;
        TextFeld Fenster::*feld;
        const char* text;
        std::vector<bool> frames;
        int status;
    } fälle[] = {{&Fenster::BisUhr, &Fenster::BisUhrText, "13:00", {true, true, true}, kPassEnde},
                 {&Fenster::BisUhr, &Fenster::BisUhrText, "12:30", {true, true, false}, kFertig},
                 {&Fenster::BisUhr, &Fenster::BisUhrText, "9:30", {true, true, true}, kPassEnde},
                 {&Fenster::BisDatum, &Fenster::BisDatumText, "25.03.11", {true, true, true}, kPassEnde},
                 {&Fenster::BisDatum, &Fenster::BisDatumText, "24.03.11", {true, true, false}, kFertig},
                 {&Fenster::BisDatum, &Fenster::BisDatumText, "24.03.2011", {true, true, false}, kFertig}};
    for (const auto& fall : fälle) {
        SCOPED_TRACE(fall.text);
        Ablaufprobe p;
        (p.f.*fall.box).setzeWert(1);
        p.f.DurchläufeTxt.setzeText(QStringLiteral("1")); // the count does not end it
        (p.f.*fall.feld).setzeText(QString::fromLatin1(fall.text));
        std::vector<bool> frames;
        for (int i = 0; i < 3; ++i) frames.push_back(p.tick().first);
        EXPECT_EQ(frames, fall.frames);
        EXPECT_EQ(p.f.DurchlaufStatus, fall.status);
        if (fall.status == kPassEnde) EXPECT_EQ(p.f.OftLabel.text(), u"1"); // not counted
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
