// Shows how a text looks on the sign: as ASCII art on stdout and, if asked, as an enlarged PNG.
//
//   schrift_zeige [--groesse PT] [--fett] [--kursiv] [--schrift NAME] [--png DATEI] TEXT...
//
// Each text is drawn the way the text renderer does: at the design size on a seven-row sign
// with the line cell's top at y = -3; at any other size the whole line cell is shown.
#include "Schriftsatz.h"

#include <QGuiApplication>
#include <QPainter>

#include <cstdio>
#include <vector>

namespace {

QImage setze(const glanzzug::Schriftsatz& satz, const QString& text, bool entwurfsgröße) {
    const int höhe = entwurfsgröße ? 7 : satz.zeilenhöhe();
    QImage bild(std::max(1, satz.breite(text)), höhe, QImage::Format_RGB32);
    bild.fill(Qt::black);
    satz.zeichne(bild, 0, entwurfsgröße ? -3 : 0, text, qRgb(255, 160, 0));
    return bild;
}

void alsText(const QImage& bild) {
    for (int y = 0; y < bild.height(); ++y) {
        std::string zeile;
        for (int x = 0; x < bild.width(); ++x) zeile += bild.pixel(x, y) == qRgb(0, 0, 0) ? '.' : '#';
        std::printf("%s\n", zeile.c_str());
    }
    std::printf("\n");
}

// Every pixel becomes a round LED with a dark gap around it, the way the sign looks.
QImage alsLeds(const std::vector<QImage>& zeilen) {
    constexpr int kRaster = 10;
    int breite = 1, höhe = 0;
    for (const QImage& z : zeilen) {
        breite = std::max(breite, z.width());
        höhe += z.height() + 1;
    }
    QImage bild(breite * kRaster, höhe * kRaster, QImage::Format_RGB32);
    bild.fill(qRgb(20, 20, 20));
    QPainter maler(&bild);
    maler.setRenderHint(QPainter::Antialiasing);
    maler.setPen(Qt::NoPen);
    int oben = 0;
    for (const QImage& z : zeilen) {
        for (int y = 0; y < z.height(); ++y)
            for (int x = 0; x < z.width(); ++x) {
                const bool an = z.pixel(x, y) != qRgb(0, 0, 0);
                maler.setBrush(an ? QColor(255, 170, 0) : QColor(55, 45, 35));
                maler.drawEllipse(
                    QRectF(x * kRaster + 1, (oben + y) * kRaster + 1, kRaster - 2, kRaster - 2));
            }
        oben += z.height() + 1;
    }
    return bild;
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    glanzzug::SchriftWahl wahl;
    QString png;
    QStringList texte;
    const QStringList argumente = app.arguments().mid(1);
    for (int i = 0; i < argumente.size(); ++i) {
        const QString& a = argumente[i];
        if (a == "--groesse" && i + 1 < argumente.size())
            wahl.größe = argumente[++i].toDouble();
        else if (a == "--schrift" && i + 1 < argumente.size())
            wahl.name = argumente[++i];
        else if (a == "--png" && i + 1 < argumente.size())
            png = argumente[++i];
        else if (a == "--fett")
            wahl.fett = true;
        else if (a == "--kursiv")
            wahl.kursiv = true;
        else
            texte << a;
    }
    const auto satz = glanzzug::schriftsatzFür(wahl);
    const bool entwurfsgröße = wahl.größe == 6.75 && satz->zeilenhöhe() == 10;
    std::vector<QImage> zeilen;
    for (const QString& text : texte) {
        zeilen.push_back(setze(*satz, text, entwurfsgröße));
        std::printf("%s (breite %d)\n", text.toUtf8().constData(), satz->breite(text));
        alsText(zeilen.back());
    }
    if (!png.isEmpty() && !alsLeds(zeilen).save(png)) {
        std::fprintf(stderr, "cannot write %s\n", png.toUtf8().constData());
        return 1;
    }
    return 0;
}
