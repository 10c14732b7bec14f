#include "DisplaySpeichern.h"
#include "Fenster.h"
#include "SichereDatei.h"
#include <QBuffer>

namespace glanzzug {

QString BmpDateiname(const QString& antwort) {
    return antwort.right(4) == QStringLiteral(".bmp") ? antwort : antwort + QStringLiteral(".bmp");
}

bool AlsBmpSpeichern(const QImage& bild, const QString& name) {
    if (bild.isNull() || name.isEmpty()) return false;
    if (name.contains(u'/') || name.contains(u'\\') || name.contains(QChar(0))) return false;
    QByteArray bytes;
    QBuffer puffer(&bytes);
    puffer.open(QIODevice::WriteOnly);
    // RGB888 has no alpha and 24 bits a pixel: the BMP writer keeps that depth.
    if (!bild.convertToFormat(QImage::Format_RGB888).save(&puffer, "BMP")) return false;
    return schreibeDatei(name, bytes);
}

void FormSpeichern_Click(Fenster& f) {
    f.Arbeitstext = f.dialoge ? f.dialoge->eingabe(QStringLiteral("Wie soll das Bild heißen ?")) : QString();
    if (f.Arbeitstext.isEmpty()) return;
    f.Arbeitstext = BmpDateiname(f.Arbeitstext);
    if (!AlsBmpSpeichern(f.Pic.bild(), f.Arbeitstext)) return;
    f.AniFiles.aktualisieren();
}

} // namespace glanzzug
