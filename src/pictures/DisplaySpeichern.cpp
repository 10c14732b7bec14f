#include "DisplaySpeichern.h"
#include "Fenster.h"
#include <QSaveFile>

namespace glanzzug {

QString BmpDateiname(const QString& antwort) {
    return antwort.right(4) == QStringLiteral(".bmp") ? antwort : antwort + QStringLiteral(".bmp");
}

bool AlsBmpSpeichern(const QImage& bild, const QString& name) {
    if (bild.isNull() || name.isEmpty()) return false;
    if (name.contains(u'/') || name.contains(u'\\') || name.contains(QChar(0))) return false;
    QSaveFile datei(name);
    if (!datei.open(QIODevice::WriteOnly)) return false;
    // RGB888 has no alpha and 24 bits a pixel: the BMP writer keeps that depth.
    if (!bild.convertToFormat(QImage::Format_RGB888).save(&datei, "BMP")) {
        datei.cancelWriting();
        return false;
    }
    return datei.commit();
}

void FormSpeichern_Click(Fenster& f) {
    f.Arbeitstext = f.dialoge ? f.dialoge->eingabe(QStringLiteral("Wie soll das Bild heißen ?")) : QString();
    if (f.Arbeitstext.isEmpty()) return;
    f.Arbeitstext = BmpDateiname(f.Arbeitstext);
    if (!AlsBmpSpeichern(f.Pic.bild(), f.Arbeitstext)) return;
    f.AniFiles.aktualisieren();
}

} // namespace glanzzug
