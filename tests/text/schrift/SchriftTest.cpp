#include "LedGlyphen.h"
#include "LedMassstab.h"
#include "Schriftsatz.h"
#include "SystemSchriftsatz.h"

#include <QGuiApplication>
#include <QPainter>

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <limits>
#include <set>
#include <string>

using namespace glanzzug;

namespace {

constexpr QRgb kGrund = 0xff102030; // background, so that untouched pixels are recognisable
constexpr QRgb kTinte = 0xffffa000;

QImage leer(int breite, int höhe) {
    QImage bild(breite, höhe, QImage::Format_RGB32);
    bild.fill(kGrund);
    return bild;
}

std::shared_ptr<const Schriftsatz> ledSatz(double größe = led::kEntwurfsGröße, bool fett = false,
                                           bool kursiv = false) {
    return schriftsatzFür({QStringLiteral("Small Fonts"), größe, fett, kursiv});
}

QString zeichen(char32_t z) {
    return QString::fromUcs4(&z, 1);
}

struct Tinte {
    int anzahl = 0;
    int links = INT_MAX, rechts = -1, oben = INT_MAX, unten = -1;
    std::set<QRgb> farben; // every colour found in the image
};

Tinte tinteIn(const QImage& bild) {
    Tinte t;
    for (int y = 0; y < bild.height(); ++y)
        for (int x = 0; x < bild.width(); ++x) {
            const QRgb p = bild.pixel(x, y);
            t.farben.insert(p);
            if (p == kGrund) continue;
            ++t.anzahl;
            t.links = std::min(t.links, x);
            t.rechts = std::max(t.rechts, x);
            t.oben = std::min(t.oben, y);
            t.unten = std::max(t.unten, y);
        }
    return t;
}

// The image as '#' and '.' rows, for failure messages.
std::string alsText(const QImage& bild) {
    std::string text = "\n";
    for (int y = 0; y < bild.height(); ++y) {
        for (int x = 0; x < bild.width(); ++x) text += bild.pixel(x, y) == kGrund ? '.' : '#';
        text += '\n';
    }
    return text;
}

// The text drawn with its cell at (x, 0) into an image exactly as tall as the cell.
QImage gesetzt(const Schriftsatz& satz, const QString& text, int rand = 0) {
    QImage bild = leer(satz.breite(text) + 2 * rand, satz.zeilenhöhe());
    satz.zeichne(bild, rand, 0, text, kTinte);
    return bild;
}

const QString kProben[] = {QStringLiteral("LAUFTEXT"), QStringLiteral("Hallo Welt! äöü ÄÖÜ ß €"),
                           QStringLiteral("0123456789"), QStringLiteral("gjpqy il.:!'|"),
                           QStringLiteral("„Œuvre“ — ‰ ™ …")};

} // namespace

TEST(LedSchrift, JedesZeichenLiegtGanzInDenSiebenZeilenDesSchilds) {
    const auto satz = ledSatz();
    ASSERT_EQ(satz->zeilenhöhe(), 10);
    std::vector<char32_t> alle;
    for (const led::GlyphMuster& m : led::glyphMuster()) alle.push_back(m.zeichen);
    alle.push_back(U'\u0001'); // the placeholder
    for (char32_t z : alle) {
        const QString text = zeichen(z);
        const int breite = satz->breite(text);
        QImage schild = leer(20, 7);
        EXPECT_EQ(satz->zeichne(schild, 1, -3, text, kTinte), breite);
        QImage hoch = leer(20, 30); // cell at rows 7..16, ink rows 10..16
        satz->zeichne(hoch, 1, 7, text, kTinte);
        const Tinte imSchild = tinteIn(schild), imHohen = tinteIn(hoch);
        SCOPED_TRACE(QStringLiteral("U+%1").arg(uint(z), 4, 16, QLatin1Char('0')).toStdString() +
                     alsText(hoch));

        EXPECT_EQ(imSchild.anzahl, imHohen.anzahl) << "ink cut off on the seven-row sign";
        EXPECT_LE(imSchild.farben.size(), 2u) << "only ink and background may appear";
        if (z == U' ' || z == U'\u00A0') {
            EXPECT_EQ(imHohen.anzahl, 0);
            EXPECT_EQ(breite, 3);
            continue;
        }
        ASSERT_GT(imHohen.anzahl, 0);
        EXPECT_GE(imHohen.oben, 10);
        EXPECT_LE(imHohen.unten, 16);
        // Ink starts at the pen and ends just before the one dark column that closes the advance.
        EXPECT_EQ(imHohen.links, 1);
        EXPECT_EQ(imHohen.rechts, 1 + breite - 2);
    }
}

TEST(LedSchrift, FremdeZeichenZeigenDasKästchen) {
    const auto satz = ledSatz();
    const QImage kästchen = gesetzt(*satz, zeichen(U'\u0001'));
    ASSERT_GT(tinteIn(kästchen).anzahl, 0);
    const QString fremde[] = {zeichen(U'\t'),     zeichen(U'\u007F'),     zeichen(U'\u0085'),
                              zeichen(U'\u4E2D'), zeichen(U'\U0001F600'), QString(QChar(0xD800))};
    for (const QString& text : fremde) {
        EXPECT_EQ(satz->breite(text), satz->breite(zeichen(U'\u0001')));
        EXPECT_EQ(gesetzt(*satz, text), kästchen) << alsText(gesetzt(*satz, text));
    }
}

TEST(LedSchrift, BreiteIstGenauDerVorschubBeimZeichnen) {
    for (double größe : {1.0, 3.0, 5.0, 6.75, 13.5, 30.0})
        for (bool fett : {false, true})
            for (bool kursiv : {false, true}) {
                const auto satz = ledSatz(größe, fett, kursiv);
                SCOPED_TRACE(testing::Message()
                             << "size " << größe << " bold " << fett << " italic " << kursiv);
                for (const QString& probe : kProben) {
                    QImage bild = leer(satz->breite(probe) + 10, satz->zeilenhöhe());
                    EXPECT_EQ(satz->zeichne(bild, 2, 0, probe, kTinte), satz->breite(probe));
                    const Tinte t = tinteIn(bild);
                    EXPECT_GE(t.links, 2);
                    EXPECT_LT(t.rechts, 2 + satz->breite(probe));
                    EXPECT_LE(t.farben.size(), 2u);

                    // Drawing in two pieces, the second at the returned pen, gives the same pixels.
                    const QString a = probe.left(probe.size() / 2), b = probe.mid(probe.size() / 2);
                    EXPECT_EQ(satz->breite(probe), satz->breite(a) + satz->breite(b));
                    QImage stückweise = leer(bild.width(), bild.height());
                    const int vorschub = satz->zeichne(stückweise, 2, 0, a, kTinte);
                    satz->zeichne(stückweise, 2 + vorschub, 0, b, kTinte);
                    EXPECT_EQ(stückweise, bild) << alsText(bild) << alsText(stückweise);
                }
            }
}

TEST(LedSchrift, FettVerdoppeltNachRechtsUndKursivVerschiebtDieOberenZeilen) {
    const auto normal = ledSatz(), fett = ledSatz(led::kEntwurfsGröße, true),
               kursiv = ledSatz(6.75, false, true);
    for (const QString& text : {QStringLiteral("H"), QStringLiteral("Äg")}) {
        EXPECT_EQ(fett->breite(text), normal->breite(text) + text.size());
        EXPECT_EQ(kursiv->breite(text), normal->breite(text) + text.size());
    }
    const QImage n = gesetzt(*normal, "H", 1), f = gesetzt(*fett, "H", 1), k = gesetzt(*kursiv, "H", 1);
    for (int y = 0; y < n.height(); ++y)
        for (int x = 1; x < f.width(); ++x) {
            const auto tinte = [](const QImage& bild, int px, int py) {
                return px < bild.width() && bild.pixel(px, py) == kTinte;
            };
            EXPECT_EQ(tinte(f, x, y), tinte(n, x, y) || tinte(n, x - 1, y)) << x << "," << y;
            const bool obenGeneigt = y >= led::kLeerZeilenOben && y < led::kLeerZeilenOben + 3;
            EXPECT_EQ(tinte(k, x, y), tinte(n, obenGeneigt ? x - 1 : x, y)) << x << "," << y;
        }
}

TEST(LedSchrift, ZiffernUndBuchstabenSindAlleVerschieden) {
    const auto satz = ledSatz();
    const QString alle = QStringLiteral("0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    std::vector<QImage> bilder;
    for (QChar z : alle) bilder.push_back(gesetzt(*satz, QString(z)));
    for (qsizetype i = 0; i < alle.size(); ++i)
        for (qsizetype j = i + 1; j < alle.size(); ++j)
            EXPECT_NE(bilder[i], bilder[j]) << QString(alle[i]).toStdString() << " looks like "
                                            << QString(alle[j]).toStdString() << alsText(bilder[i]);
}

TEST(LedSchrift, BeschneidetAnAllenRändernOhneDasSichtbareZuÄndern) {
    const auto satz = ledSatz();
    const QString text = QStringLiteral("Wäg|jÖ");
    const int breite = satz->breite(text);
    constexpr int kRand = 50;
    const QImage ganz = gesetzt(*satz, text, kRand); // cell at (kRand, 0)
    for (int x : {-1000, -breite, -breite + 1, -7, -1, 0, 5, 41, 42, 100})
        for (int y : {-12, -9, -5, -3, 0, 4, 6, 7}) {
            QImage schild = leer(42, 7);
            EXPECT_EQ(satz->zeichne(schild, x, y, text, kTinte), breite);
            for (int sy = 0; sy < schild.height(); ++sy)
                for (int sx = 0; sx < schild.width(); ++sx) {
                    const int gx = sx - x + kRand, gy = sy - y;
                    const bool innen = gx >= 0 && gx < ganz.width() && gy >= 0 && gy < ganz.height();
                    ASSERT_EQ(schild.pixel(sx, sy), innen ? ganz.pixel(gx, gy) : kGrund)
                        << "at " << sx << "," << sy << " drawn at " << x << "," << y << alsText(schild);
                }
        }
}

TEST(LedSchrift, LangerTextZeichnetNurDasSichtbareEnde) {
    const auto satz = ledSatz();
    QString lang;
    while (lang.size() < 10'000) lang += QStringLiteral("LAUFTEXT 0123 äöü ");
    const QString ende = QStringLiteral("ENDE DES LAUFTEXTS"); // wider than the image
    lang += ende;
    const int breite = satz->breite(lang);
    QImage bild = leer(42, 7), erwartet = leer(42, 7);
    const int x = 40 - breite; // only the tail reaches the image
    ASSERT_GT(satz->breite(ende), 42);
    EXPECT_EQ(satz->zeichne(bild, x, -3, lang, kTinte), breite);
    satz->zeichne(erwartet, x + breite - satz->breite(ende), -3, ende, kTinte);
    EXPECT_EQ(bild, erwartet) << alsText(bild) << alsText(erwartet);
}

TEST(LedMaßstab, ZoomWächstMitJederGanzenGröße) {
    int vorigeHöhe = 0, vorigeBreite = 0;
    for (int größe = 2; größe <= 7; ++größe) {
        const auto satz = ledSatz(größe);
        EXPECT_GT(satz->zeilenhöhe(), vorigeHöhe) << "size " << größe;
        EXPECT_GT(satz->breite(u"LAUFTEXT"), vorigeBreite) << "size " << größe;
        vorigeHöhe = satz->zeilenhöhe();
        vorigeBreite = satz->breite(u"LAUFTEXT");
        const Tinte t = tinteIn(gesetzt(*satz, "LAUFTEXT"));
        EXPECT_GT(t.anzahl, 0);
        EXPECT_LE(t.farben.size(), 2u);
    }
    EXPECT_EQ(vorigeHöhe, 10);
}

TEST(LedMaßstab, BeiNeunZeilenBleibenZeilenUndStämmeDerGroßbuchstaben) {
    // One row and one column fewer than designed: what goes must be the descender row and an
    // inner column, never a row of the capitals or a stem.
    const auto neun = ledSatz(6.0);
    ASSERT_EQ(neun->zeilenhöhe(), 9);
    const Tinte alphabet = tinteIn(gesetzt(*neun, "ABCDEFGHIJKLMNOPQRSTUVWXYZ"));
    EXPECT_EQ(alphabet.oben, 4);
    EXPECT_EQ(alphabet.unten, 8);
    for (char c = 'A'; c <= 'Z'; ++c) {
        const QImage bild = gesetzt(*neun, QString(QChar(c)));
        const Tinte t = tinteIn(bild);
        EXPECT_EQ(t.links, 0) << c << alsText(bild);
        EXPECT_EQ(t.rechts, neun->breite(QString(QChar(c))) - 2) << c << alsText(bild);
        if (QByteArrayView("THV").contains(c)) {
            for (int y = alphabet.oben; y <= alphabet.unten; ++y)
                EXPECT_TRUE(tinteIn(bild.copy(0, y, bild.width(), 1)).anzahl > 0) << c << alsText(bild);
        }
    }
}

TEST(LedMaßstab, EntwurfsgrößeUndIhrBandBleibenUnskaliert) {
    EXPECT_EQ(led::maßstabFür(6.75), led::Maßstab{});
    EXPECT_EQ(led::maßstabFür(6.5), led::Maßstab{});
    EXPECT_EQ(led::maßstabFür(10.0), led::Maßstab{});
    EXPECT_EQ(led::maßstabFür(10.2).faktor, 2);
    EXPECT_EQ(led::maßstabFür(6.0).zeilen, 9);
    EXPECT_EQ(led::maßstabFür(1e9).faktor, led::kMaxFaktor);
}

TEST(LedMaßstab, UnsinnigeGrößenZeichnenDieKleinsteGröße) {
    const auto kleinste = ledSatz(0.01);
    EXPECT_EQ(kleinste->zeilenhöhe(), 1);
    for (double größe : {0.0, -3.0, -1e300, std::numeric_limits<double>::quiet_NaN()}) {
        const auto satz = ledSatz(größe);
        EXPECT_EQ(satz->zeilenhöhe(), kleinste->zeilenhöhe());
        EXPECT_EQ(satz->breite(u"LAUFTEXT"), kleinste->breite(u"LAUFTEXT"));
        EXPECT_EQ(gesetzt(*satz, "LAUFTEXT"), gesetzt(*kleinste, "LAUFTEXT"));
    }
}

TEST(LedMaßstab, DoppelteGrößeVerdoppeltJedenPunkt) {
    const auto einfach = ledSatz(6.75), doppelt = ledSatz(13.5);
    const QString text = QStringLiteral("Äg€ W!");
    EXPECT_EQ(doppelt->zeilenhöhe(), 20);
    EXPECT_EQ(doppelt->breite(text), 2 * einfach->breite(text));
    const QImage klein = gesetzt(*einfach, text), groß = gesetzt(*doppelt, text);
    ASSERT_EQ(groß.size(), 2 * klein.size());
    for (int y = 0; y < groß.height(); ++y)
        for (int x = 0; x < groß.width(); ++x)
            ASSERT_EQ(groß.pixel(x, y), klein.pixel(x / 2, y / 2)) << x << "," << y;
}

TEST(Schriftwahl, GleicheWahlGibtDenGespeichertenSatz) {
    const SchriftWahl wahl{QStringLiteral("sMALL fONTS"), 6.75, false, false};
    EXPECT_EQ(schriftsatzFür(wahl), schriftsatzFür(wahl));
    EXPECT_NE(schriftsatzFür(wahl), ledSatz(13.5));
    const auto satz = schriftsatzFür(wahl);
    EXPECT_EQ(satz->zeilenhöhe(), 10);
    EXPECT_EQ(gesetzt(*satz, "Glanzzug"), gesetzt(*ledSatz(), "Glanzzug"));
}

TEST(SystemSchrift, ZeichnetOhneKantenglättungGenauSoBreitWieGemessen) {
    for (bool fett : {false, true})
        for (bool kursiv : {false, true}) {
            const auto satz = schriftsatzFür({QStringLiteral("DejaVu Sans"), 12, fett, kursiv});
            const QString text = QStringLiteral("Hallo Welt äöü €");
            ASSERT_GT(satz->zeilenhöhe(), 10);
            QImage bild = leer(satz->breite(text) + 20, satz->zeilenhöhe());
            EXPECT_EQ(satz->zeichne(bild, 10, 0, text, kTinte), satz->breite(text));
            const Tinte t = tinteIn(bild);
            EXPECT_GT(t.anzahl, 50);
            EXPECT_EQ(t.farben, (std::set<QRgb>{kGrund, kTinte})) << "anti-aliased pixels";
            EXPECT_GE(t.links, 9);
            EXPECT_LE(t.rechts, 10 + satz->breite(text) + 3); // italic may overhang a little
        }
    const auto winzig = schriftsatzFür({QStringLiteral("DejaVu Sans"), -4, false, false});
    EXPECT_GT(winzig->zeilenhöhe(), 0);
}

TEST(SystemSchrift, BildauflösungÄndertNichtsAmErgebnis) {
    const auto satz = schriftsatzFür({QStringLiteral("DejaVu Sans"), 10, false, false});
    QImage normal = leer(120, 20), fein = leer(120, 20);
    fein.setDotsPerMeterX(3 * normal.dotsPerMeterX());
    fein.setDotsPerMeterY(3 * normal.dotsPerMeterY());
    satz->zeichne(normal, 0, 0, u"Auflösung", kTinte);
    satz->zeichne(fein, 0, 0, u"Auflösung", kTinte);
    EXPECT_EQ(fein.dotsPerMeterX(), 3 * normal.dotsPerMeterX());
    fein.setDotsPerMeterX(normal.dotsPerMeterX());
    fein.setDotsPerMeterY(normal.dotsPerMeterY());
    EXPECT_EQ(fein, normal);
}

TEST(SystemSchrift, LangerTextLiegtWieBeimZeichnenDesGanzenTexts) {
    // Fixed pitch: no kerning, so skipping by single-character advances is exact, fractions included.
    const auto satz = schriftsatzFür({QStringLiteral("DejaVu Sans Mono"), 9, false, false});
    const auto* system = dynamic_cast<const SystemSchriftsatz*>(satz.get());
    ASSERT_NE(system, nullptr);
    QString lang;
    while (lang.size() < 2000) lang += QStringLiteral("Zug 12 fährt ");
    const int davor = satz->breite(lang);
    lang += QStringLiteral("nach Zürich ab");
    for (int x : {5 - davor, -davor / 2}) {
        QImage bild = leer(60, satz->zeilenhöhe()), erwartet = leer(60, satz->zeilenhöhe());
        EXPECT_EQ(satz->zeichne(bild, x, 0, lang, kTinte), satz->breite(lang));
        QPainter maler(&erwartet);
        maler.setFont(system->schrift());
        maler.setPen(QColor::fromRgb(kTinte));
        maler.drawText(QPointF(x, QFontMetrics(system->schrift()).ascent()), lang);
        maler.end();
        EXPECT_GT(tinteIn(bild).anzahl, 0);
        EXPECT_EQ(bild, erwartet) << alsText(bild) << alsText(erwartet);
    }
}

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
