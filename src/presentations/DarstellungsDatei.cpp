#include "DarstellungsDatei.h"
#include "DateiZugriff.h"
#include "Zahl.h"

namespace glanzzug {

namespace {
const std::array<QString, kSchlüsselAnzahl>& schlüsselTexte() {
    static const std::array<QString, kSchlüsselAnzahl> texte{
        QStringLiteral("+Lös="), QStringLiteral("GrAn="), QStringLiteral("AuWa="), QStringLiteral("ZuFZ="),
        QStringLiteral("Text="), QStringLiteral("TeDa="), QStringLiteral("TeFa="), QStringLiteral("HiFa="),
        QStringLiteral("Tex2="), QStringLiteral("WTFa="), QStringLiteral("WHFa="), QStringLiteral("WeTe="),
        QStringLiteral("FoNa="), QStringLiteral("FoSi="), QStringLiteral("FoBo="), QStringLiteral("FoIt="),
        QStringLiteral("Pixl="), QStringLiteral("LaRi="), QStringLiteral("Temp="), QStringLiteral("WaZe="),
        QStringLiteral("AniZ="), QStringLiteral("VonX="), QStringLiteral("VonY="), QStringLiteral("AniB="),
        QStringLiteral("Uhr1="), QStringLiteral("UhrT="), QStringLiteral("Dat1="), QStringLiteral("DatT="),
    };
    return texte;
}

QString ganz(int v) {
    return QString::number(v);
}
QString flagge(bool b) {
    return b ? QStringLiteral("1") : QStringLiteral("0");
}
} // namespace

QString schlüsselText(Schlüssel s) {
    return schlüsselTexte()[std::size_t(s)];
}

std::optional<Schlüssel> schlüsselAus(QStringView fünf) {
    const auto& texte = schlüsselTexte();
    for (std::size_t i = 0; i < texte.size(); ++i)
        if (fünf == texte[i]) return Schlüssel(int(i));
    return std::nullopt;
}

QString bilderListenText(const QStringList& bilder) {
    QString text;
    for (const QString& b : bilder) text += einzeilig(b) + u'/';
    return text;
}

QStringList bilderAusText(QStringView wert) {
    QStringList namen;
    qsizetype anfang = 0;
    for (qsizetype i = 0; i < wert.size(); ++i) {
        if (wert[i] != u'/') continue;
        namen.append(wert.mid(anfang, i - anfang).toString());
        anfang = i + 1;
    }
    return namen;
}

QStringList darstellungsZeilen(const DarstellungsWerte& w) {
    QStringList z;
    auto zeile = [&z](Schlüssel s, const QString& wert) { z.append(schlüsselText(s) + einzeilig(wert)); };
    zeile(Schlüssel::PlusLöschen, ganz(w.plusLöschen));
    zeile(Schlüssel::GrAn, ganz(w.bilderAnpassen));
    zeile(Schlüssel::AuWa, ganz(w.modus));
    zeile(Schlüssel::ZuFZ, zahlText(w.formAnzahl));
    zeile(Schlüssel::Text, w.text);
    zeile(Schlüssel::TeDa, w.textDatei);
    zeile(Schlüssel::TeFa, ganz(w.textFarbe));
    zeile(Schlüssel::HiFa, ganz(w.hintergrundFarbe));
    zeile(Schlüssel::Tex2, w.text2);
    zeile(Schlüssel::WTFa, ganz(w.wechselTextFarbe));
    zeile(Schlüssel::WHFa, ganz(w.wechselHintergrundFarbe));
    zeile(Schlüssel::WeTe, flagge(w.wechseltext));
    zeile(Schlüssel::FoNa, w.schriftName);
    zeile(Schlüssel::FoSi, zahlText(w.schriftGröße));
    zeile(Schlüssel::FoBo, flagge(w.fett));
    zeile(Schlüssel::FoIt, flagge(w.kursiv));
    zeile(Schlüssel::Pixl, zahlText(w.schrittweite));
    zeile(Schlüssel::LaRi, ganz(w.richtungen));
    zeile(Schlüssel::Temp, w.verzögerung);
    zeile(Schlüssel::WaZe, w.wartezeit);
    zeile(Schlüssel::AniZ, w.durchläufe);
    zeile(Schlüssel::VonX, ganz(w.vonX));
    zeile(Schlüssel::VonY, ganz(w.vonY));
    if (!w.bilder.isEmpty()) zeile(Schlüssel::AniB, bilderListenText(w.bilder));
    zeile(Schlüssel::Uhr1, ganz(w.bisUhr));
    zeile(Schlüssel::UhrT, w.bisUhrText);
    zeile(Schlüssel::Dat1, ganz(w.bisDatum));
    zeile(Schlüssel::DatT, w.bisDatumText);
    return z;
}

double DarstellungsZeile::zahl() const {
    return führendeZahl(wert);
}

bool darstellungZerlegen(const QStringList& zeilen,
                         const std::function<bool(const DarstellungsZeile&)>& anwenden) {
    for (const QString& z : zeilen) {
        if (z.size() < 6) continue;
        const auto s = schlüsselAus(QStringView(z).left(5));
        if (!s) continue;
        if (!anwenden(DarstellungsZeile{*s, z.mid(5)})) return false;
    }
    return true;
}

} // namespace glanzzug
