#include "LedPanel.h"
#include "Fenster.h"
#include "SimulierterPort.h"
#include <QPainter>
#include <QTimer>
#include <cmath>

namespace glanzzug {

LedPanel::LedPanel(const Fenster& f, const SimulierterPort& port, QWidget* parent)
    : QWidget(parent), f_(f), port_(port) {
    setToolTip(QStringLiteral("Simulierte LED-Module"));
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    auto* takt = new QTimer(this);
    connect(takt, &QTimer::timeout, this, [this] {
        if (port_.latchZähler() != gezeigt_ && isVisible()) update();
    });
    takt->start(16);
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

void LedPanel::paintEvent(QPaintEvent*) {
    gezeigt_ = port_.latchZähler();
    QPainter p(this);
    p.fillRect(rect(), QColor(12, 12, 12));
    const QRect u = umfang();
    const double zelle = std::max(2.0, std::min((width() - 8.0) / u.width(), (height() - 8.0) / u.height()));
    const QPointF ursprung(4 + (width() - 8 - zelle * u.width()) / 2, 4 + (height() - 8 - zelle * u.height()) / 2);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(Qt::NoPen);
    for (int m = 0; m < 6; ++m) {
        const double mx = std::floor(f_.ModulX[m]) - u.left(), my = std::floor(f_.ModulY[m]) - u.top();
        const QRectF platte(ursprung.x() + mx * zelle, ursprung.y() + my * zelle, 7 * zelle, 7 * zelle);
        p.setBrush(QColor(30, 30, 30));
        p.drawRect(platte.adjusted(0.5, 0.5, -0.5, -0.5));
        for (int r = 0; r < 7; ++r)
            for (int c = 0; c < 7; ++c) {
                const int led = port_.led(m, c, r);
                QColor farbe(led & SimulierterPort::Rot ? 255 : 0, led & SimulierterPort::Grün ? 255 : 0,
                             led & SimulierterPort::Blau ? 255 : 0);
                if (led == 0) farbe = QColor(55, 55, 55);
                p.setBrush(farbe);
                const double d = zelle * 0.72;
                p.drawEllipse(QRectF(platte.x() + c * zelle + (zelle - d) / 2, platte.y() + r * zelle + (zelle - d) / 2, d, d));
            }
    }
}

} // namespace glanzzug
