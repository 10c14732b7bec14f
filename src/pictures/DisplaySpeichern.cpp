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
    // What the display shows at the click is what gets saved: the timer ticks on while the
    // name is asked for, and each step draws a new frame into Pic. The copy is cheap (the
    // pixels are shared until the next step draws).
    const QImage gezeigt = f.Pic.bild();
    QString name = f.dialoge ? f.dialoge->eingabe(QStringLiteral("Wie soll das Bild heißen ?")) : QString();
    if (name.isEmpty()) return;
    name = BmpDateiname(name);
    f.Arbeitstext = name;
    if (!AlsBmpSpeichern(gezeigt, name)) return;
    f.AniFiles.aktualisieren();
}

} // namespace glanzzug
