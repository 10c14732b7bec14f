#include "Bildfeld.h"
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>

namespace glanzzug {

namespace {
int px(double v) { return int(std::floor(v)); }

} // namespace

Bildfeld::Bildfeld(int breite, int höhe) { setzeGröße(breite, höhe); }

void Bildfeld::setzeGröße(int breite, int höhe) {
    breite = std::max(0, breite);
    höhe = std::max(0, höhe);
    if (breite == bild_.width() && höhe == bild_.height() && !bild_.isNull()) return;
    QImage neu(breite, höhe, QImage::Format_RGB32);
    if (!neu.isNull()) {
        neu.fill(alsPixel(hinter_));
        QPainter p(&neu);
        // New area shows back colour and background picture; the old area keeps what it showed.
        if (!hintergrundBild_.isNull()) p.drawImage(0, 0, hintergrundBild_);
        if (!bild_.isNull()) {
            p.setCompositionMode(QPainter::CompositionMode_Source);
            p.drawImage(0, 0, bild_);
        }
    }
    bild_ = neu;
    geändert();
    anzeige.auslösen();
}

void Bildfeld::setzePosition(int links, int oben) {
    if (links == links_ && oben == oben_) return;
    links_ = links;
    oben_ = oben;
    anzeige.auslösen();
}

void Bildfeld::setzeHintergrund(Farbe f) {
    hinter_ = f;
    zusammensetzen();
}

void Bildfeld::setzeHintergrundBild(const QImage& b) {
    // Transparent parts of a picture (GIF, ICO) show the back colour beneath.
    if (b.isNull()) hintergrundBild_ = QImage();
    else if (b.hasAlphaChannel()) hintergrundBild_ = b.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    else hintergrundBild_ = b.convertToFormat(QImage::Format_RGB32);
    zusammensetzen();
}

void Bildfeld::leeren() {
    zusammensetzen();
    cursorX = 0;
    cursorY = 0;
}

void Bildfeld::zusammensetzen() {
    if (!bild_.isNull() && !deckendKopiert()) {
        bild_.fill(alsPixel(hinter_));
        if (!hintergrundBild_.isNull()) {
            QPainter p(&bild_);
            p.drawImage(0, 0, hintergrundBild_);
        }
        gedeckt_ = {};
    }
    geändert();
    zusammengesetzt_ = version_;
}

bool Bildfeld::deckendKopiert() {
    const QImage& b = hintergrundBild_;
    if (b.format() != QImage::Format_RGB32 || bild_.format() != QImage::Format_RGB32 || b.devicePixelRatio() != 1.0)
        return false;
    const QSize neu(std::min(bild_.width(), b.width()), std::min(bild_.height(), b.height()));
    const QRgb hinter = alsPixel(hinter_);
    if (zusammengesetzt_ == version_ && gedeckt_ && gedeckt_->farbe == hinter_) {
        // Untouched since the last picture: only what that one covered and this one does
        // not needs the back colour again.
        const QSize alt = gedeckt_->größe;
        for (int y = 0; y < alt.height(); ++y) {
            auto* zeile = reinterpret_cast<QRgb*>(bild_.scanLine(y));
            std::fill(zeile + (y < neu.height() ? std::min(neu.width(), alt.width()) : 0), zeile + alt.width(), hinter);
        }
    } else if (neu != bild_.size()) {
        bild_.fill(hinter);
    }
    uchar* zeile = bild_.bits();
    for (int y = 0; y < neu.height(); ++y, zeile += bild_.bytesPerLine())
        std::memcpy(zeile, b.constScanLine(y), std::size_t(neu.width()) * sizeof(QRgb));
    gedeckt_ = Gedeckt{neu, hinter_};
    return true;
}

Farbe Bildfeld::punkt(double x, double y) const {
    const int ix = px(x), iy = px(y);
    if (ix < 0 || iy < 0 || ix >= bild_.width() || iy >= bild_.height()) return -1;
    return ausPixel(reinterpret_cast<const QRgb*>(bild_.constScanLine(iy))[ix]);
}

void Bildfeld::setzePunkt(double x, double y, Farbe f) {
    const int ix = px(x), iy = px(y);
    if (ix < 0 || iy < 0 || ix >= bild_.width() || iy >= bild_.height()) return;
    reinterpret_cast<QRgb*>(bild_.scanLine(iy))[ix] = alsPixel(f);
    geändert();
}

void Bildfeld::linie(double x1, double y1, double x2, double y2, Farbe f) {
    // Bresenham, both end points included.
    int x = px(x1), y = px(y1);
    const int xe = px(x2), ye = px(y2);
    const int dx = std::abs(xe - x), sx = x < xe ? 1 : -1;
    const int dy = -std::abs(ye - y), sy = y < ye ? 1 : -1;
    int fehler = dx + dy;
    for (;;) {
        setzePunkt(x, y, f);
        if (x == xe && y == ye) break;
        const int e2 = 2 * fehler;
        if (e2 >= dy) fehler += dy, x += sx;
        if (e2 <= dx) fehler += dx, y += sy;
    }
}

void Bildfeld::rechteck(double x1, double y1, double x2, double y2, Farbe f) {
    const int l = std::min(px(x1), px(x2)), r = std::max(px(x1), px(x2));
    const int o = std::min(px(y1), px(y2)), u = std::max(px(y1), px(y2));
    if (gefüllt_)
        for (int y = o + 1; y < u; ++y)
            for (int x = l + 1; x < r; ++x) setzePunkt(x, y, füll_);
    linie(l, o, r, o, f);
    linie(l, u, r, u, f);
    linie(l, o, l, u, f);
    linie(r, o, r, u, f);
}

void Bildfeld::kreis(double x, double y, double radius, Farbe f) {
    const int cx = px(x), cy = px(y), r = std::abs(px(radius));
    if (gefüllt_)
        for (int dy = -r + 1; dy < r; ++dy)
            for (int dx = -r + 1; dx < r; ++dx)
                if (dx * dx + dy * dy < r * r) setzePunkt(cx + dx, cy + dy, füll_);
    // Midpoint circle outline.
    int dx = r, dy = 0, fehler = 1 - r;
    while (dx >= dy) {
        const int pts[8][2] = {{dx, dy}, {dy, dx}, {-dy, dx}, {-dx, dy}, {-dx, -dy}, {-dy, -dx}, {dy, -dx}, {dx, -dy}};
        for (const auto& p : pts) setzePunkt(cx + p[0], cy + p[1], f);
        ++dy;
        if (fehler < 0) fehler += 2 * dy + 1;
        else --dx, fehler += 2 * (dy - dx) + 1;
    }
}

void Bildfeld::maleGestreckt(const QImage& quelle, int x, int y, int w, int h) {
    if (bild_.isNull() || quelle.isNull() || w <= 0 || h <= 0) return;
    QPainter p(&bild_);
    p.setRenderHint(QPainter::SmoothPixmapTransform, false);
    p.setCompositionMode(QPainter::CompositionMode_Source);
    p.drawImage(QRect(x, y, w, h), quelle);
    geändert();
}

int Bildfeld::textBreite(QStringView text) const { return schriftsatzFür(schrift_)->breite(text); }

int Bildfeld::zeilenHöhe() const { return schriftsatzFür(schrift_)->zeilenhöhe(); }

void Bildfeld::druckeAufZeile(QStringView text) {
    const auto satz = schriftsatzFür(schrift_);
    int weite = 0;
    if (bild_.isNull()) weite = satz->breite(text);
    else weite = satz->zeichne(bild_, px(cursorX), px(cursorY), text, alsPixel(vorder_));
    cursorX += weite;
    geändert();
}

void Bildfeld::druckeMitZeilenende(QStringView text) {
    druckeAufZeile(text);
    cursorX = 0;
    cursorY += zeilenHöhe();
}

} // namespace glanzzug
