#include "DarstellungLaden.h"
#include "Abspielen.h"
#include "DarstellungsText.h"
#include "DarstellungsDatei.h"
#include "DateiZugriff.h"
#include "Fenster.h"
#include "LaufSchritt.h"
#include "ModuleAusgeben.h"
#include "Modus.h"
#include "TextDateiLesen.h"
#include "Zahl.h"
#include "Zufallsformen.h"
#include <QSet>
#include <cfloat>
#include <climits>
#include <cmath>

namespace glanzzug {

namespace {
using Zeile = DarstellungsZeile;

// Ranges of the whole-number targets.
constexpr int kKurzMin = -32768, kKurzMax = 32767; // 16-bit targets
constexpr int kFarbeMax = 0xFFFFFF;
constexpr double kGrößteSchrift = 2160; // points

QString text(const Zeile& z) {
    return z.wert.left(kLängsterText);
}

bool zustand(KontrollFeld& k, const Zeile& z) {
    const auto v = alsGanzzahl(z.zahl(), 0, 2);
    return v && k.setzeWert(*v);
}

bool rollen(Rollbalken& r, const Zeile& z) {
    const auto v = alsGanzzahl(z.zahl(), kKurzMin, kKurzMax);
    return v && r.setzeWert(*v);
}

// A timing box receives the number as decimal text ("0100" gives "100", "12abc" "12").
bool zeitFeld(TextFeld& t, const Zeile& z) {
    const double n = z.zahl();
    if (!std::isfinite(n)) return false;
    t.setzeText(zahlText(n));
    return true;
}

template <class Setzen> bool farbe(const Zeile& z, Setzen setzen) {
    const auto c = alsGanzzahl(z.zahl(), 0, kFarbeMax);
    if (!c) return false;
    setzen(Farbe(*c));
    return true;
}

template <class Ändern> void schrift(Fenster& f, Ändern ändern) {
    SchriftWahl s = f.Pic.schrift();
    ändern(s);
    f.Pic.setzeSchrift(s);
}

using Aktion = bool (*)(Fenster&, const Zeile&);

// What each key does, in key order.
const std::array<Aktion, kSchlüsselAnzahl> kAktionen{
    // +Lös=
    [](Fenster& f, const Zeile& z) {
        if (!zustand(f.PlusLöschen, z)) return false;
        FormLöschen_Click(f);
        return true;
    },
    // GrAn=
    [](Fenster& f, const Zeile& z) { return zustand(f.BilderAnpassen, z); },
    // AuWa=
    [](Fenster& f, const Zeile& z) {
        const auto i = alsGanzzahl(z.zahl(), 0, f.AusWal.anzahl() - 1);
        if (!i || !f.AusWal.wähle(*i)) return false;
        f.Modus = *i;
        return true;
    },
    // ZuFZ=
    [](Fenster& f, const Zeile& z) {
        const auto n = alsGanzzahl(z.zahl(), kKurzMin, kKurzMax);
        if (!n) return false;
        f.FormAnzahl = *n;
        f.ZufallsFormAnzahl.setzeText(QString::number(*n));
        return true;
    },
    // Text=
    [](Fenster& f, const Zeile& z) {
        f.Txt.setzeText(text(z));
        return true;
    },
    // TeDa= (the file is read by DarstellungAnwenden, once)
    [](Fenster& f, const Zeile& z) {
        f.DateiBenutzen.setzeToolTip(text(z));
        return true;
    },
    // TeFa=
    [](Fenster& f, const Zeile& z) {
        return farbe(z, [&f](Farbe c) {
            f.TextFarbe = c;
            f.TeFaLabel.setzeVordergrund(c);
            f.Pic.setzeVordergrund(c);
        });
    },
    // HiFa=
    [](Fenster& f, const Zeile& z) {
        return farbe(z, [&f](Farbe c) {
            f.HintergrundFarbe = c;
            f.TeFaLabel.setzeHintergrund(c);
            f.Bild.setzeHintergrund(c);
            f.Pic.setzeHintergrund(c);
        });
    },
    // Tex2=
    [](Fenster& f, const Zeile& z) {
        f.Txt2.setzeText(text(z));
        return true;
    },
    // WTFa=
    [](Fenster& f, const Zeile& z) {
        return farbe(z, [&f](Farbe c) {
            f.WechselTextFarbe = c;
            f.WeFaLabel.setzeVordergrund(c);
        });
    },
    // WHFa=
    [](Fenster& f, const Zeile& z) {
        return farbe(z, [&f](Farbe c) {
            f.WechselHintergrundFarbe = c;
            f.WeFaLabel.setzeHintergrund(c);
        });
    },
    // WeTe=
    [](Fenster& f, const Zeile& z) { return zustand(f.Wechseltext, z); },
    // FoNa=
    [](Fenster& f, const Zeile& z) {
        const QString name = text(z);
        schrift(f, [&name](SchriftWahl& s) { s.name = name; });
        f.Txt.setzeSchriftName(name);
        f.Txt2.setzeSchriftName(name);
        return true;
    },
    // FoSi=
    [](Fenster& f, const Zeile& z) {
        const double n = z.zahl();
        if (!(n >= 0 && n <= kGrößteSchrift)) return false;
        schrift(f, [n](SchriftWahl& s) { s.größe = n; });
        f.SchriftGröße = n;
        return true;
    },
    // FoBo=
    [](Fenster& f, const Zeile& z) {
        const double n = z.zahl();
        if (!std::isfinite(n)) return false;
        schrift(f, [n](SchriftWahl& s) { s.fett = n != 0; });
        f.Txt.setzeFett(n != 0);
        f.Txt2.setzeFett(n != 0);
        return true;
    },
    // FoIt=
    [](Fenster& f, const Zeile& z) {
        const double n = z.zahl();
        if (!std::isfinite(n)) return false;
        schrift(f, [n](SchriftWahl& s) { s.kursiv = n != 0; });
        f.Txt.setzeKursiv(n != 0);
        f.Txt2.setzeKursiv(n != 0);
        return true;
    },
    // Pixl=
    [](Fenster& f, const Zeile& z) {
        const double n = z.zahl();
        if (!(std::fabs(n) <= FLT_MAX)) return false;
        f.Schritt.setzeText(text(z));
        f.Schrittweite = n;
        return true;
    },
    // LaRi=
    [](Fenster& f, const Zeile& z) {
        const auto n = alsGanzzahl(z.zahl(), INT_MIN, INT_MAX);
        if (!n) return false;
        for (int i = 0; i < 8; ++i) f.Richtung[std::size_t(i)].setzeWert((*n & (1 << i)) != 0 ? 1 : 0);
        return true;
    },
    // Temp=
    [](Fenster& f, const Zeile& z) { return zeitFeld(f.VerzögerungTxt, z); },
    // WaZe=
    [](Fenster& f, const Zeile& z) { return zeitFeld(f.WartezeitTxt, z); },
    // AniZ=
    [](Fenster& f, const Zeile& z) { return zeitFeld(f.DurchläufeTxt, z); },
    // VonX=
    [](Fenster& f, const Zeile& z) { return rollen(f.VonX, z); },
    // VonY=
    [](Fenster& f, const Zeile& z) { return rollen(f.VonY, z); },
    // AniB= (the names are collected by DarstellungAnwenden)
    [](Fenster& f, const Zeile& z) {
        f.BildListenText = z.wert;
        return true;
    },
    // Uhr1=
    [](Fenster& f, const Zeile& z) { return zustand(f.BisUhr, z); },
    // UhrT=
    [](Fenster& f, const Zeile& z) {
        f.BisUhrText.setzeText(text(z));
        return true;
    },
    // Dat1=
    [](Fenster& f, const Zeile& z) { return zustand(f.BisDatum, z); },
    // DatT=
    [](Fenster& f, const Zeile& z) {
        f.BisDatumText.setzeText(text(z));
        return true;
    },
};

// The sign at rest: the preview black, and every LED off by the shut-down blanking (a
// frame would light the LEDs of a module that lies outside the display image). Sent at
// every resting hand-over, so a sign switched on meanwhile goes dark within a pause.
void dunkelRuhen(Fenster& f) {
    f.Pic.entferneHintergrundBild();
    f.Pic.bild().fill(alsPixel(RGB(0, 0, 0)));
    f.Pic.geändert();
    ModuleDunkel(f);
}
} // namespace

bool DarstellungAnwenden(Fenster& f, const QStringList& zeilen) {
    // Two keys act once for the whole file rather than once per line, so that a file of
    // many such lines loads in time linear in its size:
    // - the names of every "AniB=" line are collected and appended to the picture list
    //   at the end (nothing reads the list while the lines are applied);
    // - the linked text file is read only for the "TeDa=" lines after the last "Text="
    //   line, from the last one back until one can be read: that is the first line that
    //   reading each file in turn would have left in Txt.
    QStringList bilder;
    QStringList textDateien;
    const qsizetype bilderVorher = f.AniLi.anzahl();
    const bool ganz = darstellungZerlegen(zeilen, [&](const Zeile& z) {
        f.Zeilenkennung = schlüsselText(z.schlüssel);
        f.Arbeitstext = f.Zeilenkennung + z.wert;
        if (!kAktionen[std::size_t(z.schlüssel)](f, z)) return false;
        switch (z.schlüssel) {
        case Schlüssel::AniB: {
            const QStringList namen = bilderAusText(z.wert);
            if (bilderVorher + bilder.size() + namen.size() > kMeisteBilder) return false;
            bilder += namen;
            break;
        }
        case Schlüssel::TeDa:
            if (textDateien.isEmpty() || textDateien.last() != f.DateiBenutzen.toolTip())
                textDateien.append(f.DateiBenutzen.toolTip());
            break;
        case Schlüssel::Text: textDateien.clear(); break;
        default: break;
        }
        return true;
    });
    if (!bilder.isEmpty()) f.AniLi.setzeEinträge(f.AniLi.einträge() + bilder);
    QSet<QString> versucht;
    for (auto d = textDateien.crbegin(); d != textDateien.crend(); ++d) {
        if (versucht.contains(*d)) continue;
        versucht.insert(*d);
        if (const auto zeile = ersteZeileLesen(*d)) {
            f.Arbeitstext = *zeile;
            f.Txt.setzeText(f.Arbeitstext);
            break;
        }
    }
    return ganz;
}

void DarstellungLaden(Fenster& f) {
    f.T.setzeAn(false);
    const QString name = f.AlleLS.text();
    const QString pfad = dateiFinden(name, f.DarstellungsEndung);
    f.DarstellungGelesen.merken(pfad);
    const auto zeilen = dateiZeilen(pfad, kMeisteDarstellungsZeilen);
    if (zeilen) {
        f.AniLi.leeren();
        DarstellungAnwenden(f, *zeilen);
    }
    f.ablauf.melde(QStringLiteral("presentation \"") + name +
                   (zeilen ? QStringLiteral("\"") : QStringLiteral("\" (no file)")));
    IntervallAus(f, f.VerzögerungTxt.text());
    bool vorbei = false;
    if (f.BisUhr.wert() == 1 && EndzeitErreicht(f)) {
        vorbei = true;
        f.EndeGrund = QStringLiteral("end time");
    }
    if (f.BisDatum.wert() == 1 && EnddatumErreicht(f)) {
        vorbei = true;
        f.EndeGrund = QStringLiteral("end date");
    }
    if (vorbei) {
        f.DurchlaufStatus = kFertig;
        f.T.setzeIntervall(1);
    }
    ModusEinstellen(f);
    f.T.setzeAn(true);
    if (!vorbei || !f.Start.gesetzt()) {
        f.AbgelaufeneLadungen = 0;
        LaufSchritt(f);
        return;
    }
    // A finished presentation of a playing run list hands over on the next tick, not
    // inside this call: with every entry past its end, handing over from here would nest
    // loads without end. Once a whole round of the list has passed its end, the sign
    // rests dark and each further hand-over waits kRuhePause, so the sign neither flashes
    // the entries' back colours nor reads files a thousand times a second, and plays
    // again as soon as an entry's end time or date lies ahead once more (a new day).
    const int einträge = f.LaufListe.anzahl();
    if (einträge > 0 && ++f.AbgelaufeneLadungen >= einträge) {
        f.AbgelaufeneLadungen = einträge; // no overflow over months
        dunkelRuhen(f);
        f.T.setzeIntervall(kRuhePause);
    }
}

void AlleLS_Click(Fenster& f) {
    EinzelnBeenden(f);
    f.Start.setzeWert(0);
    DarstellungLaden(f);
}

} // namespace glanzzug
