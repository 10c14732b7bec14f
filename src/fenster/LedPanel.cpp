#include "LedPanel.h"
#include "Fenster.h"
#include "SimulierterPort.h"
#include <QPainter>
#include <QTimer>
#include <cmath>

namespace glanzzug {

namespace {
const QColor kHintergrund(12, 12, 12);
const QColor kPlatte(30, 30, 30);
const QColor kDunkel(55, 55, 55);
constexpr double kPunktAnteil = 0.72; // a dot's diameter as a share of its cell
} // namespace

LedPanel::LedPanel(const Fenster& f, const SimulierterPort& port, QWidget* parent)
    : QWidget(parent), f_(f), port_(port) {
    setToolTip(QStringLiteral("Simulierte LED-Module"));
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    setAttribute(Qt::WA_OpaquePaintEvent);
    auto* takt = new QTimer(this);
    connect(takt, &QTimer::timeout, this, [this] { nachsehen(); });
    takt->start(16);
}

LedPanel::Stand LedPanel::standJetzt() const {
    Stand s;
    std::size_t i = 0;
    for (int m = 0; m < 6; ++m)
        for (int r = 0; r < 7; ++r)
            for (int c = 0; c < 7; ++c) s[i++] = port_.led(m, c, r);
    for (int m = 0; m < 6; ++m) {
        s[i++] = int(std::floor(f_.ModulX[m]));
        s[i++] = int(std::floor(f_.ModulY[m]));
    }
    return s;
}

void LedPanel::nachsehen() {
    if (!isVisible()) return;
    const Stand jetzt = standJetzt();
    if (gemalt_ && jetzt == gezeigt_) return;
    // A new arrangement may need another size.
    if (!std::equal(jetzt.end() - 12, jetzt.end(), gezeigt_.end() - 12)) updateGeometry();
    update();
}

QRect LedPanel::umfang() const {
    int l = 0, o = 0, r = 7, u = 7;
    bool erstes = true;
    for (int m = 0; m < 6; ++m) {
        const int x = int(std::floor(f_.ModulX[m])), y = int(std::floor(f_.ModulY[m]));
        if (erstes) l = x, o = y, r = x + 7, u = y + 7, erstes = false;
        l = std::min(l, x), o = std::min(o, y), r = std::max(r, x + 7), u = std::max(u, y + 7);
    }
    return QRect(l, o, r - l, u - o);
}

QSize LedPanel::sizeHint() const {
    const QRect u = umfang();
    return QSize(std::min(u.width(), 200) * 12 + 8, std::min(u.height(), 100) * 12 + 8);
}

void LedPanel::punkteVorbereiten(double zelle) {
    const qreal dpr = devicePixelRatioF();
    if (zelle == punkteZelle_ && dpr == punkteDpr_) return;
    punkteZelle_ = zelle;
    punkteDpr_ = dpr;
    const double d = zelle * kPunktAnteil;
    const int seite = int(std::ceil(d)) + 2; // room for the antialiased edge
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
        punkte_[farbe] = bild;
    }
}

void LedPanel::paintEvent(QPaintEvent*) {
    gezeigt_ = standJetzt();
    gemalt_ = true;
    QPainter p(this);
    p.fillRect(rect(), kHintergrund);
    const QRect u = umfang();
    const double zelle = std::max(2.0, std::min((width() - 8.0) / u.width(), (height() - 8.0) / u.height()));
    const QPointF ursprung(4 + (width() - 8 - zelle * u.width()) / 2, 4 + (height() - 8 - zelle * u.height()) / 2);
    punkteVorbereiten(zelle);
    const double halb = punkte_[0].deviceIndependentSize().width() / 2;
    p.setPen(Qt::NoPen);
    p.setBrush(kPlatte);
    std::size_t i = 0;
    for (int m = 0; m < 6; ++m) {
        const double mx = std::floor(f_.ModulX[m]) - u.left(), my = std::floor(f_.ModulY[m]) - u.top();
        const QRectF platte(ursprung.x() + mx * zelle, ursprung.y() + my * zelle, 7 * zelle, 7 * zelle);
        p.setRenderHint(QPainter::Antialiasing, true);
        p.drawRect(platte.adjusted(0.5, 0.5, -0.5, -0.5));
        p.setRenderHint(QPainter::Antialiasing, false);
        // Each dot is its prepared picture, centred on its cell to the nearest pixel.
        for (int r = 0; r < 7; ++r)
            for (int c = 0; c < 7; ++c)
                p.drawPixmap(QPoint(int(std::lround(platte.x() + (c + 0.5) * zelle - halb)),
                                    int(std::lround(platte.y() + (r + 0.5) * zelle - halb))),
                             punkte_[gezeigt_[i++] & 7]);
    }
}

} // namespace glanzzug
