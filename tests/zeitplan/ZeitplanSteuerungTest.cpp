// The schedule applied to the wired window, driven through days by a fake wall clock and
// a fake monotonic clock: dark at night, the right run list by day, a choice by hand that
// holds until the next change, clock jumps, and what shut-down remembers.
#include "TestHilfen.h"
#include "ZeitplanSteuerung.h"
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace glanzzug {
namespace {

struct Schritt {
    const char* zeit;  // local time the clocks move to
    const char* tun;   // "": time passes; "sprung": the wall clock jumps in a second; "hand:NAME": picked by hand
    const char* liste; // AlleLL afterwards
    bool timerAn;
    const char* meldung; // part of the status line afterwards, or nullptr
};

TEST(ZeitplanSteuerung, EineWocheMitHandwahlUndSprüngen) {
    test::TestOrdner ordner;
    for (const QString& n : QDir(QStringLiteral(GLANZZUG_DEMO)).entryList(QDir::Files))
        QFile::copy(QStringLiteral(GLANZZUG_DEMO "/") + n, n);
    test::schreib(QStringLiteral("Werbung.LAL"), "Farben\r\n");
    test::schreib(QStringLiteral("Abend.LAL"), "Uhr\r\n");
    test::schreib(QStringLiteral("Leer.LAL"), "Fehlt\r\n");
    test::schreib(QStringLiteral("Letzte Lauf-Liste"), "Abend\r\n");
    test::schreib(kZeitplanDatei, "; Laden\r\nMo-Fr 08:00-18:30 Werbung\r\nSa 10:00-12:00 Leer\r\n"
                                  "So 10:00-12:00 Gibtsnicht\nXx 01:00-02:00 Kaputt\r\nt\xe4glich 22:00-07:00 dunkel\r\n");
    test::TestFenster tf;
    Fenster& f = tf.f;
    QDateTime jetzt = QDateTime::fromString(QStringLiteral("2026-12-07T06:59"), Qt::ISODate);
    qint64 mono = 1'000'000;
    QStringList protokoll;
    f.jetzt = [&] { return jetzt; };
    f.ablauf.protokoll = [&](const QString& z) { protokoll << z; };
    Form_Load(f);
    ZeitplanSteuerung z(f);
    z.monoton = [&] { return mono; };
    z.starten();
    EXPECT_TRUE(f.Statuszeile.text().contains(u"Zeile 5: Die Tage fehlen")) << f.Statuszeile.text().toStdString();
    EXPECT_FALSE(f.T.an());
    EXPECT_EQ(f.AlleLL.text(), u"Abend");

    const Schritt schritte[] = {
        {"2026-12-07T07:00", "", "Abend", true, "Jetzt: eigene Lauf-Liste Abend, nächste Änderung: Mo 08:00 Werbung"},
        {"2026-12-07T08:00", "", "Werbung", true, "Jetzt: Werbung (Mo-Fr 08:00-18:30), nächste Änderung: Mo 18:30"},
        {"2026-12-07T18:30", "", "Abend", true, nullptr},
        {"2026-12-07T22:00", "", "Abend", false, "Jetzt: dunkel (täglich 22:00-07:00)"},
        {"2026-12-07T23:00", "hand:Demo", "Demo", true, "von Hand gewählt"},
        {"2026-12-08T06:59", "", "Demo", true, nullptr},
        {"2026-12-08T07:00", "", "Demo", true, "eigene Lauf-Liste Demo"},
        {"2026-12-08T09:00", "", "Werbung", true, nullptr},
        {"2026-12-07T23:30", "sprung", "Werbung", false, "dunkel"},
        {"2026-12-12T10:30", "sprung", "Leer", false, nullptr},
        {"2026-12-13T10:30", "", "Leer", false, nullptr},
        {"2026-12-14T09:00", "", "Werbung", true, nullptr},
    };
    for (const Schritt& s : schritte) {
        SCOPED_TRACE(std::string(s.zeit) + " " + s.tun);
        const QDateTime neu = QDateTime::fromString(QString::fromUtf8(s.zeit), Qt::ISODate);
        mono += std::string_view(s.tun) == "sprung" ? 1000 : jetzt.msecsTo(neu);
        jetzt = neu;
        if (std::string_view(s.tun).starts_with("hand:"))
            f.AlleLL.wähle(int(f.AlleLL.liste().indexOf(QString::fromUtf8(s.tun + 5))));
        z.prüfen();
        EXPECT_EQ(f.AlleLL.text().toStdString(), s.liste);
        EXPECT_EQ(f.T.an(), s.timerAn);
        if (s.meldung) {
            EXPECT_TRUE(z.Zustand.text().contains(QString::fromUtf8(s.meldung))) << z.Zustand.text().toStdString();
        }
    }
    // The two rules naming what cannot play left the sign dark, each with a message.
    EXPECT_TRUE(protokoll.contains(u"schedule: In der Lauf-Liste „Leer“ gibt es keine Darstellung. Die Anzeige bleibt dunkel."_qs));
    EXPECT_TRUE(protokoll.contains(u"schedule: Die Lauf-Liste „Gibtsnicht“ gibt es nicht. Die Anzeige bleibt dunkel."_qs));
    EXPECT_TRUE(protokoll.contains(u"schedule: Werbung (Mo-Fr 08:00-18:30)"_qs));
    EXPECT_EQ(protokoll.filter(u"the clock jumped"_qs).size(), 2);

    // Shut-down while the schedule's run list plays remembers the owner's own.
    Form_Unload(f);
    EXPECT_EQ(test::lies(QStringLiteral("Letzte Lauf-Liste")), "Demo\r\n");
}

TEST(ZeitplanSteuerung, SpeichernNurÜberDenGelesenenStand) {
    test::TestOrdner ordner;
    test::TestFenster tf;
    ZeitplanSteuerung z(tf.f);
    z.starten();
    const QByteArray gelesen = z.stand().inhalt;
    QString grund;
    int zeile = -1;
    EXPECT_FALSE(z.speichern({u"; x"_qs, u"Mo 8-9 A"_qs}, gelesen, &grund, &zeile));
    EXPECT_EQ(zeile, 2);
    EXPECT_FALSE(QFile::exists(kZeitplanDatei));
    ASSERT_TRUE(z.speichern({u"täglich 22:00-07:00 dunkel"_qs}, gelesen, &grund)) << grund.toStdString();
    EXPECT_EQ(test::lies(kZeitplanDatei), "t\xe4glich 22:00-07:00 dunkel\r\n"); // Windows-1252
    EXPECT_EQ(z.stand().plan.regeln.size(), 1u);
    // An editor that began before that save must not overwrite it.
    EXPECT_FALSE(z.speichern({u"Mo 08:00-09:00 A"_qs}, gelesen, &grund));
    EXPECT_TRUE(grund.contains(u"inzwischen geändert")) << grund.toStdString();
    // A FIFO under the file's name is refused, not waited on.
    QFile::remove(kZeitplanDatei);
    ASSERT_EQ(mkfifo(kZeitplanDatei.toLocal8Bit().constData(), 0600), 0);
    EXPECT_FALSE(zeitplanDateiLesen().fehler.isEmpty());
}

} // namespace
} // namespace glanzzug
