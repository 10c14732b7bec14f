#include "TextZeichnen.h"
#include "Buchstabenstart.h"
#include "Farbcodes.h"
#include "Fenster.h"
#include "LaufSchritt.h"
#include "TextLage.h"
#include "TextSatz.h"
#include <algorithm>
#include <cmath>

namespace glanzzug {

namespace {
// Draws with the font of Pic at its cursor, in its fore colour, as the picture box does,
// but fetches the font once per frame.
class Zeichner {
public:
    explicit Zeichner(Bildfeld& pic) : pic_(pic), satz_(schriftsatzFür(pic.schrift())) {}
    const Schriftsatz& satz() const { return *satz_; }
    const std::shared_ptr<const Schriftsatz>& satzZeiger() const { return satz_; }

    // Draws on the line: the cursor moves right by the text's width.
    void aufZeile(QStringView text) {
        if (text.isEmpty()) return;
        const int weite = satz_->zeichne(pic_.bild(), textPixel(pic_.cursorX), textPixel(pic_.cursorY), text,
                                         alsPixel(pic_.vordergrund()));
        pic_.cursorX += weite;
        gezeichnet_ += weite;
    }
    // Draws, then puts the cursor at the start of the next line.
    void mitZeilenende(QStringView text) {
        aufZeile(text);
        pic_.cursorX = 0;
        pic_.cursorY += satz_->zeilenhöhe();
    }

    // The width of everything drawn so far: the letters' advances added up (the font
    // draws a text exactly as wide as its letters one after another).
    long long gezeichnet() const { return gezeichnet_; }
    // Counts a width drawn elsewhere.
    void hinzu(long long weite) { gezeichnet_ += weite; }

private:
    Bildfeld& pic_;
    std::shared_ptr<const Schriftsatz> satz_;
    long long gezeichnet_ = 0;
};

void farbeWechseln(Fenster& f, int index) {
    f.Pic.setzeVordergrund(f.Farbtabelle[std::size_t(index)]);
}

// The first index in [von, bis) at which `erreicht` holds, for a test that holds from
// some index on (bis when it never holds).
template <class Test> qsizetype erstesAb(qsizetype von, qsizetype bis, Test erreicht) {
    while (von < bis) {
        const qsizetype mitte = von + (bis - von) / 2;
        if (erreicht(mitte)) bis = mitte;
        else von = mitte + 1;
    }
    return von;
}

// Where each piece starts on the picture, rounded as the cursor is: the cursor moves on by
// each piece's width in turn. While the start is a multiple of 2^-20 and everything stays
// below 2^32 every such sum is exact, and a piece's start is simply the start plus the
// widths before it; otherwise the sums are taken in turn, as the cursor would.
class StückLagen {
public:
    StückLagen(const TextSatz& t, double x0) : x0_(x0) {
        constexpr double kRaster = 1 << 20, kGrenze = 4294967296.0;
        const bool genau = std::floor(x0 * kRaster) == x0 * kRaster && std::abs(x0) + double(t.breite) < kGrenze;
        if (genau) return;
        double x = x0;
        for (const TextSatz::Stück& s : t.stücke) {
            nacheinander_.push_back(x);
            x += s.breite;
        }
        nacheinander_.push_back(x);
    }
    bool genau() const { return nacheinander_.empty(); }
    // The unrounded cursor before piece k (k = number of pieces: after the last one).
    double cursor(const TextSatz& t, std::size_t k) const {
        if (!nacheinander_.empty()) return nacheinander_[k];
        return x0_ + double(k < t.stücke.size() ? t.stücke[k].x : t.breite);
    }

private:
    double x0_;
    std::vector<double> nacheinander_;
};

// The part of a piece starting at pixel x that can touch the columns [0, breite): from
// its first character that ends right of 0 to its last that starts left of breite, and
// the pixel where that part starts. Only for a font that sets letter by letter.
QStringView sichtbarerTeil(const TextSatz& t, const TextSatz::Stück& s, long long x, int breite, long long& teilX) {
    const long long versatz = x - s.x; // from the text's start to the picture's
    const qsizetype ende = s.anfang + s.länge;
    const auto start = [&](qsizetype u) { return versatz + t.stift[std::size_t(u)]; };
    // Unit u ends where u + 1 starts; for the first unit of a pair that is the pair's own
    // start, so the search may land on its second unit: step back onto the pair.
    qsizetype von = erstesAb(s.anfang, ende, [&](qsizetype u) { return start(u + 1) > 0; });
    if (von > s.anfang && von < ende && t.text[von].isLowSurrogate() && t.text[von - 1].isHighSurrogate()) --von;
    const qsizetype bis = erstesAb(von, ende, [&](qsizetype u) { return start(u) >= breite; });
    teilX = start(von);
    return QStringView(t.text).sliced(von, bis - von);
}

// Without "Zufall" and "I" the letters follow each other on the line. Only the pieces
// between colour codes that reach into the picture are drawn, and of a piece in a font
// that sets letter by letter only its visible characters, each in the colour the codes
// before it set: the same pixels as drawing the whole text.
void zeichneAmStück(Fenster& f, Zeichner& z) {
    // ".oO" draws every frame at another size: a text set for one frame would not be kept.
    const auto satz = richtung(f, kHeranZoomen)
                          ? std::make_shared<const TextSatz>(f.Arbeitstext, f.FaZe.text(), z.satz(), false)
                          : textSatzFür(f.Arbeitstext, f.FaZe.text(), z.satzZeiger());
    const TextSatz& t = *satz;
    f.Gezeichnet = t.gezeichnet; // shares, no copy
    const StückLagen lagen(t, f.Pic.cursorX);
    const int y = textPixel(f.Pic.cursorY);
    QImage& bild = f.Pic.bild();
    const int breite = bild.width();
    const auto pixel = [&](std::size_t k) { return textPixel(lagen.cursor(t, k)); };
    // The first piece that ends right of column 0. Exact starts grow with the pieces, so
    // it can be searched; sums taken in turn may round either way, so they are walked.
    const auto reichtHerein = [&](qsizetype i) {
        return pixel(std::size_t(i)) + t.stücke[std::size_t(i)].breite > 0;
    };
    const qsizetype anzahl = qsizetype(t.stücke.size());
    qsizetype erstes = lagen.genau() ? erstesAb(0, anzahl, reichtHerein) : 0;
    while (erstes < anzahl && !reichtHerein(erstes)) ++erstes;
    std::size_t k = std::size_t(erstes);
    for (; k < t.stücke.size(); ++k) {
        const TextSatz::Stück& s = t.stücke[k];
        const int x = pixel(k);
        if (x >= breite) break;
        if (s.farbe >= 0) farbeWechseln(f, s.farbe);
        long long teilX = x;
        const QStringView teil = t.stift.empty() ? QStringView(t.text).sliced(s.anfang, s.länge)
                                                 : sichtbarerTeil(t, s, x, breite, teilX);
        if (!teil.isEmpty()) z.satz().zeichne(bild, int(teilX), y, teil, alsPixel(f.Pic.vordergrund()));
    }
    f.Pic.cursorX = lagen.cursor(t, t.stücke.size());
    z.hinzu(t.breite);
}

// Letter by letter: "Zufall" displaces each of the first 30 letters by its own offset and
// moves the offset on; "I" ends the line after every letter, drawn one letter width left.
// An empty text still passes once, as an empty letter.
void zeichneBuchstabenweise(Fenster& f, Zeichner& z) {
    const QString& text = f.Arbeitstext;
    const QString& symbol = f.FaZe.text();
    const qsizetype länge = text.size();
    const bool zufall = richtung(f, kZufall);
    const bool senkrecht = richtung(f, kSenkrecht);
    f.Gezeichnet.resize(0);
    qsizetype i = 0;
    for (;;) {
        const int farbe = farbcodeBei(text, i, symbol);
        if (farbe >= 0) {
            farbeWechseln(f, farbe);
            i += 2;
            continue;
        }
        const QStringView zeichen = i < länge ? QStringView(text).mid(i, 1) : QStringView();
        f.Gezeichnet.append(zeichen);
        if (zufall) {
            const std::size_t k = std::size_t(f.Buchstabennummer);
            f.Pic.cursorX = f.BuchstabeDX[k] + f.Pic.cursorX;
            f.Pic.cursorY = f.BuchstabeDY[k] + f.Pic.cursorY;
            f.BuchstabeDY[k] += f.BuchstabeVY[k];
            f.BuchstabeDX[k] += f.BuchstabeVX[k];
            ++f.Buchstabennummer;
            if (f.Laufposition > f.DisplayHöhe && f.Laufposition > f.DisplayBreite)
                f.DurchlaufStatus = kAnzahlErreicht;
        }
        if (senkrecht) {
            f.Pic.cursorX -= z.satz().breite(zeichen);
            z.mitZeilenende(zeichen);
        } else {
            z.aufZeile(zeichen);
        }
        if (zufall && f.Buchstabennummer >= int(f.BuchstabeDX.size())) break;
        if (i + 1 >= länge) break;
        ++i;
    }
}
} // namespace

void TextZeichnen(Fenster& f) {
    if (!TextLageSetzen(f)) return;
    f.Buchstabennummer = 0;
    Zeichner z(f.Pic);
    if (richtung(f, kZufall) || richtung(f, kSenkrecht))
        zeichneBuchstabenweise(f, z);
    else
        zeichneAmStück(f, z);
    f.Pic.setzeVordergrund(f.TextFarbe);
    f.Pic.geändert();
    // The letters have flown off: the next pass shows their flight again from the start
    // (left where they are, they would only fly further and the display would stay dark).
    if (richtung(f, kZufall) && f.Laufposition > f.DisplayHöhe && f.Laufposition > f.DisplayBreite) {
        BuchstabenAnDenStart(f);
        f.Laufposition = 0;
    }
    // Pass states: 4 the text stands still, 3 it has left the display.
    if (f.TextBewegt == 0) f.DurchlaufStatus = kAnzahlErreicht;
    if (f.Laufposition > f.DisplayBreite + double(z.gezeichnet())) {
        f.Laufposition = 0;
        f.DurchlaufStatus = kFertig;
    }
}

} // namespace glanzzug
