// The built-in LED font "Small Fonts" and the system-font rasteriser.
#include "LedGlyphen.h"
#include "LedMassstab.h"
#include "Schriftsatz.h"
#include "SystemSchriftsatz.h"

#include <QPainter>
#include <gtest/gtest.h>

#include <climits>
#include <limits>
#include <set>

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
    return schriftsatzFür({"Small Fonts", größe, fett, kursiv});
}

struct Tinte {
    int anzahl = 0, links = INT_MAX, rechts = -1, oben = INT_MAX, unten = -1;
    std::set<QRgb> farben; // every colour in the image
};

Tinte tinteIn(const QImage& bild) {
    Tinte t;
    for (int y = 0; y < bild.height(); ++y)
        for (int x = 0; x < bild.width(); ++x) {
            const QRgb p = bild.pixel(x, y);
            t.farben.insert(p);
            if (p == kGrund) continue;
            ++t.anzahl;
            t.links = std::min(t.links, x), t.rechts = std::max(t.rechts, x);
            t.oben = std::min(t.oben, y), t.unten = std::max(t.unten, y);
        }
    return t;
}

// The text with its line cell at (rand, 0) in an image exactly as tall as the cell.
QImage gesetzt(const Schriftsatz& satz, const QString& text, int rand = 0) {
    QImage bild = leer(satz.breite(text) + 2 * rand, satz.zeilenhöhe());
    satz.zeichne(bild, rand, 0, text, kTinte);
    return bild;
}

} // namespace

TEST(LedSchrift, JedesZeichenLiegtGanzInDenSiebenZeilenDesSchilds) {
    const auto satz = ledSatz();
    ASSERT_EQ(satz->zeilenhöhe(), 10);
    std::vector<char32_t> alle{U'\u0001'}; // not in the font: drawn as the empty box
    for (const led::GlyphMuster& m : led::glyphMuster()) alle.push_back(m.zeichen);
    for (char32_t z : alle) {
        const QString text = QString::fromUcs4(&z, 1);
        const int breite = satz->breite(text);
        QImage schild = leer(20, 7), hoch = leer(20, 30);
        EXPECT_EQ(satz->zeichne(schild, 1, -3, text, kTinte), breite); // as the sign draws it
        satz->zeichne(hoch, 1, 7, text, kTinte);                       // ink may use rows 10..16
        const Tinte imSchild = tinteIn(schild), imHohen = tinteIn(hoch);
        SCOPED_TRACE(QString("U+%1").arg(uint(z), 4, 16, QChar('0')).toStdString());
        EXPECT_EQ(imSchild.anzahl, imHohen.anzahl) << "ink cut off on the seven-row sign";
        EXPECT_LE(imSchild.farben.size(), 2u) << "only ink and background may appear";
        if (z == U' ' || z == U'\u00A0') {
            EXPECT_EQ(std::pair(imHohen.anzahl, breite), std::pair(0, 3));
            continue;
        }
        // Ink in rows 10..16, from the pen to just before the one dark column that closes the advance.
        EXPECT_TRUE(imHohen.anzahl > 0 && imHohen.oben >= 10 && imHohen.unten <= 16);
        EXPECT_EQ(std::pair(imHohen.links, imHohen.rechts), std::pair(1, breite - 1));
    }
    // Whatever the font lacks shows the box, a lone surrogate too.
    for (const QString& fremd : {QString("\t"), QString("中"), QString("😀"), QString(QChar(0xD800))})
        EXPECT_EQ(gesetzt(*satz, fremd), gesetzt(*satz, "\u0001")) << fremd.toStdString();
}

TEST(LedSchrift, BreiteIstGenauDerVorschubBeimZeichnen) {
    const QString proben[] = {"LAUFTEXT", "Hallo Welt! äöü ÄÖÜ ß €", "0123456789 gjpqy il.:!'|",
                              "„Œuvre“ — ‰ ™ … 中😀"};
    for (double größe : {1.0, 3.0, 5.0, 6.75, 13.5, 30.0})
        for (bool fett : {false, true})
            for (bool kursiv : {false, true}) {
                const auto satz = ledSatz(größe, fett, kursiv);
                SCOPED_TRACE(testing::Message()
                             << "size " << größe << " bold " << fett << " italic " << kursiv);
                for (const QString& probe : proben) {
                    QImage bild = leer(satz->breite(probe) + 10, satz->zeilenhöhe());
                    EXPECT_EQ(satz->zeichne(bild, 2, 0, probe, kTinte), satz->breite(probe));
                    const Tinte t = tinteIn(bild);
                    EXPECT_TRUE(t.links >= 2 && t.rechts < 2 + satz->breite(probe) && t.farben.size() <= 2);
                    // Two pieces, the second at the returned pen, give the same pixels.
                    const QString a = probe.left(probe.size() / 2), b = probe.mid(probe.size() / 2);
                    QImage stückweise = leer(bild.width(), bild.height());
                    satz->zeichne(stückweise, 2 + satz->zeichne(stückweise, 2, 0, a, kTinte), 0, b, kTinte);
                    EXPECT_EQ(stückweise, bild);
                }
            }
}

TEST(LedSchrift, ZiffernUndBuchstabenSindAlleVerschieden) {
    const auto satz = ledSatz();
    const QString alle = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
    std::vector<QImage> bilder;
    for (QChar z : alle) bilder.push_back(gesetzt(*satz, z));
    for (qsizetype i = 0; i < alle.size(); ++i)
        for (qsizetype j = i + 1; j < alle.size(); ++j)
            EXPECT_NE(bilder[i], bilder[j])
                << QString(alle[i]).toStdString() << QString(alle[j]).toStdString();
}

TEST(LedSchrift, BeschneidetAnAllenRändernOhneDasSichtbareZuÄndern) {
    const auto satz = ledSatz();
    const QString text = "Wäg|jÖ";
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
                        << "at " << sx << "," << sy << " drawn at " << x << "," << y;
                }
        }
}

TEST(LedMaßstab, ZoomWächstMitJederGrößeUnd13Komma5VerdoppeltJedenPunkt) {
    int vorigeHöhe = 0, vorigeBreite = 0;
    for (int größe = 2; größe <= 7; ++größe) {
        const auto satz = ledSatz(größe);
        EXPECT_TRUE(satz->zeilenhöhe() > vorigeHöhe && satz->breite(u"LAUFTEXT") > vorigeBreite) << größe;
        vorigeHöhe = satz->zeilenhöhe(), vorigeBreite = satz->breite(u"LAUFTEXT");
    }
    EXPECT_EQ(vorigeHöhe, 10);

    const QString text = "Äg€ W!";
    const QImage klein = gesetzt(*ledSatz(6.75), text), groß = gesetzt(*ledSatz(13.5), text);
    ASSERT_EQ(groß.size(), 2 * klein.size());
    for (int y = 0; y < groß.height(); ++y)
        for (int x = 0; x < groß.width(); ++x)
            ASSERT_EQ(groß.pixel(x, y), klein.pixel(x / 2, y / 2)) << x << "," << y;

    // Nonsense sizes draw the smallest size, huge ones the largest; the name in any case.
    for (double größe : {0.0, -3.0, std::numeric_limits<double>::quiet_NaN()})
        EXPECT_EQ(gesetzt(*ledSatz(größe), "LAUFTEXT"), gesetzt(*ledSatz(0.01), "LAUFTEXT")) << größe;
    EXPECT_EQ(ledSatz(1e9)->zeilenhöhe(), led::kZellenZeilen * led::kMaxFaktor);
    EXPECT_EQ(gesetzt(*schriftsatzFür({"sMALL fONTS", 6.75}), "Glanzzug"), gesetzt(*ledSatz(), "Glanzzug"));
}

TEST(SystemSchrift, OhneKantenglättungWieQtSelbstAuchLangUndBeiAndererAuflösung) {
    // 1-bit. A long text is drawn from its visible part on, overhanging italic glyphs included:
    // with a fixed pitch (no kerning) exactly where Qt draws the whole text. A finer image
    // resolution changes nothing.
    const auto satz = schriftsatzFür({"DejaVu Sans Mono", 9, false, true});
    const auto* system = dynamic_cast<const SystemSchriftsatz*>(satz.get());
    ASSERT_NE(system, nullptr);
    QString lang;
    while (lang.size() < 2000) lang += "Zug 12 fährt ";
    const int davor = satz->breite(lang);
    lang += "nach Zürich ab";
    for (int x : {5 - davor, -davor / 2, 3}) {
        QImage bild = leer(60, satz->zeilenhöhe()), erwartet = bild;
        bild.setDotsPerMeterX(3 * bild.dotsPerMeterX());
        bild.setDotsPerMeterY(3 * bild.dotsPerMeterY());
        EXPECT_EQ(satz->zeichne(bild, x, 0, lang, kTinte), satz->breite(lang));
        bild.setDotsPerMeterX(erwartet.dotsPerMeterX());
        bild.setDotsPerMeterY(erwartet.dotsPerMeterY());
        QPainter maler(&erwartet);
        maler.setFont(system->schrift());
        maler.setPen(QColor::fromRgb(kTinte));
        maler.drawText(QPointF(x, QFontMetrics(system->schrift()).ascent()), lang);
        maler.end();
        EXPECT_EQ(tinteIn(bild).farben, (std::set<QRgb>{kGrund, kTinte})) << "no ink, or anti-aliased pixels";
        EXPECT_EQ(bild, erwartet);
    }
}
