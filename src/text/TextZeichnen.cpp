#include "TextZeichnen.h"
#include "Buchstabenstart.h"
#include "Farbcodes.h"
#include "Fenster.h"
#include "LaufSchritt.h"
#include "TextLage.h"
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

private:
    Bildfeld& pic_;
    std::shared_ptr<const Schriftsatz> satz_;
    long long gezeichnet_ = 0;
};

void farbeWechseln(Fenster& f, int index) {
    f.Pic.setzeVordergrund(f.Farbtabelle[std::size_t(index)]);
}

// Without "Zufall" and "I" the letters follow each other on the line: the text between
// two colour codes is drawn in one go, and glyphs outside the picture cost only their
// advance.
void zeichneAmStück(Fenster& f, Zeichner& z) {
    const QStringView text = f.Arbeitstext;
    const QString& symbol = f.FaZe.text();
    const qsizetype erster = symbol.size() == 1 ? text.indexOf(symbol[0]) : -1;
    if (erster < 0 || erster + 2 >= text.size()) {
        z.aufZeile(text);
        f.Gezeichnet = f.Arbeitstext; // shares the text, no copy
        return;
    }
    // Gezeichnet is filled in place: it keeps its capacity from frame to frame.
    f.Gezeichnet.resize(text.size());
    QChar* ziel = f.Gezeichnet.data();
    qsizetype anfang = 0, gefüllt = 0;
    auto stückZeichnen = [&](QStringView stück) {
        z.aufZeile(stück);
        std::copy(stück.begin(), stück.end(), ziel + gefüllt);
        gefüllt += stück.size();
    };
    for (qsizetype i = erster; i >= 0 && i + 2 < text.size(); i = text.indexOf(symbol[0], i + 2)) {
        stückZeichnen(text.sliced(anfang, i - anfang));
        farbeWechseln(f, farbcodeBei(text, i, symbol));
        anfang = i + 2; // the code character is skipped, whatever it is
    }
    stückZeichnen(text.sliced(anfang));
    f.Gezeichnet.resize(gefüllt);
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
