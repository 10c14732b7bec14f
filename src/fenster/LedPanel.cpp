#include "LedPanel.h"
#include "Bildtakt.h"
#include "Fenster.h"
#include "SimulierterPort.h"
#include <QPaintEvent>
#include <QPainter>
#include <cmath>

namespace glanzzug {

namespace {
const QColor kHintergrund(12, 12, 12);
const QColor kPlatte(30, 30, 30);
const QColor kDunkel(55, 55, 55);
constexpr double kPunktAnteil = 0.72; // a dot's diameter as a share of its cell

// The side of a dot's square: the dot and room for its antialiased edge.
int punktSeite(double zelle) { return int(std::ceil(zelle * kPunktAnteil)) + 2; }
} // namespace

LedPanel::LedPanel(const Fenster& f, const SimulierterPort& port, QWidget* parent)
    : QWidget(parent), f_(f), port_(port), leds_(ledsJetzt()), lage_(lageJetzt()) {
    setToolTip(QStringLiteral("Simulierte LED-Module"));
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    setAttribute(Qt::WA_OpaquePaintEvent);
    Bildtakt::anmelden(this, [this] { nachsehen(); });
}

LedPanel::Leds LedPanel::ledsJetzt() const {
    Leds l;
    std::size_t i = 0;
    for (int m = 0; m < 6; ++m)
        for (int r = 0; r < 7; ++r)
            for (int c = 0; c < 7; ++c) l[i++] = std::uint8_t(port_.led(m, c, r));
    return l;
}

LedPanel::Lage LedPanel::lageJetzt() const {
    Lage l;
    for (std::size_t m = 0; m < 6; ++m) {
        l[2 * m] = int(std::floor(f_.ModulX[m]));
        l[2 * m + 1] = int(std::floor(f_.ModulY[m]));
    }
    return l;
}

void LedPanel::nachsehen() {
    if (!isVisible()) return;
    const Lage lage = lageJetzt();
    if (lage != lage_) {
        lage_ = lage;
        leds_ = ledsJetzt();
        updateGeometry(); // a new arrangement may need another size
        update();
        return;
    }
    const Leds jetzt = ledsJetzt();
    if (jetzt == leds_) return;
    const Raster ra = raster();
    std::array<QRect, 6> geändert;
    for (std::size_t i = 0; i < jetzt.size(); ++i)
        if (jetzt[i] != leds_[i]) geändert[i / 49] |= punktFläche(ra, i);
    leds_ = jetzt;
    QRegion neu;
    for (const QRect& r : geändert) neu += r;
    update(neu);
}

QSize LedPanel::sizeHint() const {
    const QRect u = raster().umfang;
    return QSize(std::min(u.width(), 200) * 12 + 8, std::min(u.height(), 100) * 12 + 8);
}

LedPanel::Raster LedPanel::raster() const {
    Raster ra;
    int l = lage_[0], o = lage_[1], r = l + 7, u = o + 7;
    for (std::size_t m = 1; m < 6; ++m) {
        const int x = lage_[2 * m], y = lage_[2 * m + 1];
        l = std::min(l, x), o = std::min(o, y), r = std::max(r, x + 7), u = std::max(u, y + 7);
    }
    ra.umfang = QRect(l, o, r - l, u - o);
    ra.zelle = std::max(2.0, std::min((width() - 8.0) / ra.umfang.width(), (height() - 8.0) / ra.umfang.height()));
    ra.ursprung = QPointF(4 + (width() - 8 - ra.zelle * ra.umfang.width()) / 2,
                          4 + (height() - 8 - ra.zelle * ra.umfang.height()) / 2);
    return ra;
}

QRectF LedPanel::platte(const Raster& ra, int modul) const {
    const double mx = lage_[2 * modul] - ra.umfang.left(), my = lage_[2 * modul + 1] - ra.umfang.top();
    return QRectF(ra.ursprung.x() + mx * ra.zelle, ra.ursprung.y() + my * ra.zelle, 7 * ra.zelle, 7 * ra.zelle);
}

QRect LedPanel::punktFläche(const Raster& ra, std::size_t i) const {
    const QRectF p = platte(ra, int(i / 49));
    const int r = int(i % 49) / 7, c = int(i % 7), seite = punktSeite(ra.zelle);
    // Centred on its cell, to the nearest pixel.
    return QRect(int(std::lround(p.x() + (c + 0.5) * ra.zelle - seite / 2.0)),
                 int(std::lround(p.y() + (r + 0.5) * ra.zelle - seite / 2.0)), seite, seite);
}

void LedPanel::punkteVorbereiten(double zelle) {
    const qreal dpr = devicePixelRatioF();
    if (zelle == punkteZelle_ && dpr == punkteDpr_) return;
    punkteZelle_ = zelle;
    punkteDpr_ = dpr;
    const double d = zelle * kPunktAnteil;
    const int seite = punktSeite(zelle);
    for (int farbe = 0; farbe < 8; ++farbe) {
        QPixmap bild(QSize(seite, seite) * dpr);
        bild.setDevicePixelRatio(dpr);
        bild.fill(Qt::transparent);
        QPainter p(&bild);
        p.setRenderHint(QPainter::Antialiasing, true);
        p.setPen(Qt::NoPen);
        p.setBrush(farbe == 0 ? kDunkel
                              : QColor(farbe & SimulierterPort::Rot ? 255 : 0, farbe & SimulierterPort::Grün ? 255 : 0,
                                       farbe & SimulierterPort::Blau ? 255 : 0));
        p.drawEllipse(QRectF((seite - d) / 2, (seite - d) / 2, d, d));
        punkte_[std::size_t(farbe)] = bild;
    }
}

void LedPanel::paintEvent(QPaintEvent* e) {
    // Only the asked-for part shows; Qt clips the rest, and dots outside it are skipped.
    QPainter p(this);
    p.fillRect(rect(), kHintergrund);
    const Raster ra = raster();
    punkteVorbereiten(ra.zelle);
    p.setPen(Qt::NoPen);
    p.setBrush(kPlatte);
    for (int m = 0; m < 6; ++m) {
        p.setRenderHint(QPainter::Antialiasing, true);
        p.drawRect(platte(ra, m).adjusted(0.5, 0.5, -0.5, -0.5));
        p.setRenderHint(QPainter::Antialiasing, false);
        for (std::size_t i = std::size_t(m) * 49; i < std::size_t(m + 1) * 49; ++i)
            if (const QRect fläche = punktFläche(ra, i); e->rect().intersects(fläche))
                p.drawPixmap(fläche.topLeft(), punkte_[leds_[i] & 7]);
    }
}

} // namespace glanzzug
