// The schedule's lines as read, and which rule holds when (in Europe/Berlin, with both
// daylight-saving days, windows across midnight and date ranges across the year's end).
#include "Auswertung.h"
#include <QTimeZone>
#include <cstdlib>
#include <ctime>
#include <gtest/gtest.h>

namespace glanzzug {
namespace {

struct Lesefall {
    const char* zeile;
    const char* fehler; // part of the reason; nullptr: a rule; "" a comment
    int tage, von, bis;
    const char* form; // the rule written back
};

TEST(ZeitplanLesen, Zeilen) {
    const Lesefall fälle[] = {
        {"Mo-Fr 08:00-18:30 Werbung", nullptr, 0x1f, 480, 1110, "Mo-Fr 08:00-18:30 Werbung"},
        {"Fr-Mo 22:00-02:00 Nacht Club", nullptr, 0x71, 1320, 120, "Mo,Fr-So 22:00-02:00 Nacht Club"},
        {"mo,mi,FR 7:05-09:00 Dunkel", nullptr, 0x15, 425, 540, "Mo,Mi,Fr 07:05-09:00 dunkel"},
        {"täglich 00:00-24:00 Immer", nullptr, 0x7f, 0, 1440, "täglich 00:00-24:00 Immer"},
        {"01.12.-24.12. täglich 07:00-22:00 Weihnachten", nullptr, 0x7f, 420, 1320,
         "01.12.-24.12. täglich 07:00-22:00 Weihnachten"},
        {"28.12.-2.1. Mo-Mi,Sa 10:00-12:00 Neujahr", nullptr, 0x27, 600, 720,
         "28.12.-02.01. Mo-Mi,Sa 10:00-12:00 Neujahr"},
        {"24.12.2026 Do 10:00-12:00 Feier", nullptr, 0x08, 600, 720, "24.12.2026 Do 10:00-12:00 Feier"},
        {"   ; Kommentar Mo 08:00-09:00 A", "", 0, 0, 0, ""},
        {"", "", 0, 0, 0, ""},
        {"Mo-Xx 08:00-09:00 A", "Die Tage fehlen", 0, 0, 0, ""},
        {"08:00-09:00 Mo A", "Die Tage fehlen", 0, 0, 0, ""},
        {"Mo 8-9 A", "Die Uhrzeit von-bis fehlt", 0, 0, 0, ""},
        {"Mo 08:00-25:00 A", "„08:00-25:00“ ist keine Uhrzeit", 0, 0, 0, ""},
        {"Mo 24:00-08:00 A", "keine Uhrzeit", 0, 0, 0, ""},
        {"Mo 08:60-09:00 A", "keine Uhrzeit", 0, 0, 0, ""},
        {"Mo 08:00-09:00", "eine Lauf-Liste oder „dunkel“", 0, 0, 0, ""},
        {"31.04.-01.05. Mo 08:00-09:00 A", "„31.04.-01.05.“ ist kein Datum", 0, 0, 0, ""},
        {"29.02.2026 Mo 08:00-09:00 A", "kein Datum", 0, 0, 0, ""},
    };
    for (const Lesefall& f : fälle) {
        SCOPED_TRACE(f.zeile);
        QString grund = QStringLiteral("vorher");
        const auto r = regelLesen(QString::fromUtf8(f.zeile), &grund);
        if (f.fehler) {
            EXPECT_FALSE(r);
            EXPECT_EQ(*f.fehler == 0, grund.isEmpty()) << grund.toStdString();
            EXPECT_TRUE(grund.contains(QString::fromUtf8(f.fehler))) << grund.toStdString();
            continue;
        }
        ASSERT_TRUE(r) << grund.toStdString();
        EXPECT_EQ(r->tage, f.tage);
        EXPECT_EQ(r->von, f.von);
        EXPECT_EQ(r->bis, f.bis);
        EXPECT_EQ(r->zeile().toStdString(), f.form);
        EXPECT_EQ(regelLesen(r->zeile(), nullptr)->zeile(), r->zeile());
    }
}

TEST(ZeitplanLesen, SchlechteZeilenMitNummerDieAnderenGelten) {
    const Zeitplan p = zeitplanLesen({u"; Plan"_qs, u"Mo 08:00-09:00 A"_qs, u""_qs, u"Xy 08:00-09:00 B"_qs,
                                      u"täglich 22:00-07:00 dunkel"_qs});
    ASSERT_EQ(p.regeln.size(), 2u);
    EXPECT_EQ(p.regeln[1].ziel, u"dunkel");
    ASSERT_EQ(p.fehler.size(), 1u);
    EXPECT_EQ(p.fehler[0].zeile, 4);
}

// The rules of the evaluation table; the first that matches wins.
std::vector<Regel> regeln() {
    std::vector<Regel> r;
    for (const char* z : {"28.12.-02.01. täglich 10:00-12:00 Neujahr", "01.12.-24.12. täglich 07:00-22:00 Weihnachten",
                          "Mo-Fr 08:00-18:30 Werbung", "Sa 09:00-14:00 Wochenende", "Fr 22:00-03:00 Nacht",
                          "So 00:00-02:30 Früh", "So 02:30-04:00 Umstellung", "täglich 22:00-07:00 dunkel"})
        r.push_back(*regelLesen(QString::fromUtf8(z), nullptr));
    return r;
}

struct Auswertfall {
    const char* zeit; // ISO; "Z" at the end: UTC, otherwise local time
    const char* ziel; // "" outside every rule
    const char* nächste; // "Fr 18:30 dunkel"; nullptr: not checked
};

class ZeitplanAuswerten : public ::testing::Test {
protected:
    void SetUp() override {
        vorher_ = qgetenv("TZ");
        qputenv("TZ", "Europe/Berlin");
        tzset();
    }
    void TearDown() override {
        qputenv("TZ", vorher_);
        tzset();
    }
    QByteArray vorher_;
};

TEST_F(ZeitplanAuswerten, RegelUndNächsteÄnderung) {
    const auto r = regeln();
    const Auswertfall fälle[] = {
        {"2026-11-30T09:00", "Werbung", "Mo 18:30 "},
        {"2026-11-30T18:30", "", "Mo 22:00 dunkel"},
        {"2026-12-07T07:30", "Weihnachten", "Mo 22:00 dunkel"},
        {"2026-11-27T23:30", "Nacht", "Sa 03:00 dunkel"},
        {"2026-11-28T02:59", "Nacht", nullptr},
        {"2026-11-28T03:00", "dunkel", "Sa 07:00 "},
        {"2026-11-28T13:59", "Wochenende", "Sa 14:00 "},
        {"2026-11-29T02:00", "Früh", "So 02:30 Umstellung"},
        {"2027-01-02T11:00", "Neujahr", "Sa 12:00 Wochenende"},
        {"2026-12-27T11:00", "", "So 22:00 dunkel"},
        {"2026-12-25T06:00", "dunkel", "Fr 07:00 "},
        {"2026-12-24T21:59", "Weihnachten", "Do 22:00 dunkel"},
        {"2026-11-20T18:00", "Werbung", nullptr},
        // Spring: 02:00 CET becomes 03:00 CEST; the window from 02:30 begins at 03:00.
        {"2026-03-29T00:59Z", "Früh", "So 02:30 Umstellung"},
        {"2026-03-29T01:00Z", "Umstellung", "So 04:00 dunkel"},
        // Autumn: 03:00 CEST becomes 02:00 CET; "Früh" ends at the first 02:30 only.
        {"2026-10-25T00:15Z", "Früh", "So 02:30 Umstellung"},
        {"2026-10-25T00:45Z", "Umstellung", nullptr},
        {"2026-10-25T01:15Z", "Umstellung", "So 04:00 dunkel"},
        {"2026-10-25T02:59Z", "Umstellung", nullptr},
        {"2026-10-25T03:00Z", "dunkel", nullptr},
    };
    for (const Auswertfall& f : fälle) {
        SCOPED_TRACE(f.zeit);
        const QDateTime t = QDateTime::fromString(QString::fromUtf8(f.zeit), Qt::ISODate);
        ASSERT_TRUE(t.isValid());
        const Wandzeit w = wandzeit(t.toMSecsSinceEpoch());
        const int i = gültigeRegel(r, w);
        EXPECT_EQ(i >= 0 ? r[i].ziel.toStdString() : "", f.ziel);
        if (!f.nächste) continue;
        const auto n = nächsterWechsel(r, w);
        ASSERT_TRUE(n);
        EXPECT_EQ((wechselText(n->wann, w) + u' ' + (n->regel >= 0 ? r[n->regel].ziel : QString())).toStdString(),
                  f.nächste);
    }
}

TEST_F(ZeitplanAuswerten, OhneRegelnKeinWechsel) {
    EXPECT_EQ(gültigeRegel({}, wandzeit(QDate(2026, 1, 1), 0)), -1);
    EXPECT_FALSE(nächsterWechsel({}, wandzeit(QDate(2026, 1, 1), 0)));
}

} // namespace
} // namespace glanzzug
