#include "DarstellungsText.h"
#include "DarstellungLaden.h"
#include "DarstellungSpeichern.h"
#include "DarstellungsDatei.h"
#include "DateiZugriff.h"
#include "Fenster.h"
#include "Sichern.h"
#include <QFileInfo>
#include <cmath>
#include <functional>
#include <optional>

namespace glanzzug {

namespace {
// The lines of a presentation file that is not on show, whole; nothing when it cannot be
// read whole (a file read in part is never saved back).
std::optional<QStringList> zeilenLesen(const QString& pfad) {
    auto zeilen = dateiZeilen(pfad, kMeisteDarstellungsZeilen + 1);
    if (!zeilen || zeilen->size() > kMeisteDarstellungsZeilen) return std::nullopt;
    return zeilen;
}

// Sets the value of every line of the key; without one, inserts a line before entry
// `vor` of the lines (at the end when it is past them).
void zeileSetzen(QStringList& zeilen, Schlüssel schlüssel, const QString& wert, qsizetype vor) {
    const QString k = schlüsselText(schlüssel);
    // Loading applies every line of a key in turn; all of them get the new value.
    bool gesetzt = false;
    for (QString& z : zeilen)
        if (z.startsWith(k)) {
            z = k + wert;
            gesetzt = true;
        }
    if (!gesetzt) zeilen.insert(std::min(vor, zeilen.size()), k + wert);
}

TextSpeichern sichern(Fenster& f, const QString& pfad, const QStringList& zeilen) {
    return zeilenSichern(f.ablauf, pfad, zeilen) ? TextSpeichern::Gespeichert : TextSpeichern::NichtGeschrieben;
}

TextSpeichern aufAnzeigeSichern(Fenster& f, const QString& pfad, const std::function<void()>& ändern) {
    if (f.DarstellungGelesen.seitherGeändert(pfad)) return TextSpeichern::DateiNeuer;
    ändern();
    return DarstellungSpeichern(f) ? TextSpeichern::Gespeichert : TextSpeichern::NichtGeschrieben;
}
} // namespace

TextSpeichern TextInDarstellungSpeichern(Fenster& f, const QString& name, const QString& text) {
    const QString pfad = dateiFinden(name, f.DarstellungsEndung);
    if (name == f.AlleLS.text()) {
        if (f.AusWal.auswahl() != 0) return TextSpeichern::KeinTextModus;
        return aufAnzeigeSichern(f, pfad, [&] { f.Txt.setzeText(text); });
    }
    auto zeilen = zeilenLesen(pfad);
    if (!zeilen) return TextSpeichern::NichtLesbar;
    int modus = -1;
    darstellungZerlegen(*zeilen, [&](const DarstellungsZeile& z) {
        if (z.schlüssel == Schlüssel::AuWa) modus = std::abs(z.zahl()) < 0.5 ? 0 : 1;
        return true;
    });
    if (modus > 0) return TextSpeichern::KeinTextModus;
    // Where the writer puts it: after "+Lös=", "GrAn=", "AuWa=", "ZuFZ=".
    zeileSetzen(*zeilen, Schlüssel::Text, text, 4);
    return sichern(f, pfad, *zeilen);
}

TextSpeichern BildInDarstellungEinfügen(Fenster& f, const QString& name, const QString& bild) {
    const QString pfad = dateiFinden(name, f.DarstellungsEndung);
    if (name == f.AlleLS.text()) return aufAnzeigeSichern(f, pfad, [&] { f.AniLi.hinzufügen(bild); });
    auto zeilen = zeilenLesen(pfad);
    if (!zeilen) return TextSpeichern::NichtLesbar;
    // Loading appends the names of every "AniB=" line; they become one line, where the
    // first stood (else before "Uhr1=", where the writer puts it).
    const QString aniB = schlüsselText(Schlüssel::AniB);
    QStringList bilder;
    qsizetype stelle = -1;
    for (qsizetype i = 0; i < zeilen->size();) {
        if (!(*zeilen)[i].startsWith(aniB)) {
            ++i;
            continue;
        }
        bilder += bilderAusText(QStringView((*zeilen)[i]).mid(aniB.size()));
        if (stelle < 0) stelle = i;
        zeilen->removeAt(i);
    }
    if (stelle < 0) {
        stelle = zeilen->size();
        for (qsizetype i = 0; i < zeilen->size(); ++i)
            if ((*zeilen)[i].startsWith(schlüsselText(Schlüssel::Uhr1))) {
                stelle = i;
                break;
            }
    }
    bilder.append(bild);
    zeilen->insert(stelle, aniB + bilderListenText(bilder));
    return sichern(f, pfad, *zeilen);
}

} // namespace glanzzug
