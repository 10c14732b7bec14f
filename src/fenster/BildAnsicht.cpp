#include "BildAnsicht.h"
#include "Bildfeld.h"
#include <QMouseEvent>
#include <algorithm>
#include <QPainter>
#include <QPointer>
#include <QTimer>

namespace glanzzug {

BildAnsicht::BildAnsicht(Bildfeld& bild, int faktor, bool gitter, QWidget* parent)
    : QWidget(parent), bild_(bild), faktor_(std::max(1, faktor)), gitter_(gitter) {
    setMouseTracking(true);
    setToolTip(bild.toolTip());
    QPointer<BildAnsicht> p(this);
    bild_.anzeige.verbinde([p] {
        if (!p) return;
        p->setToolTip(p->bild_.toolTip());
        p->setVisible(p->bild_.sichtbar());
        p->faktorNachRaum();
        p->updateGeometry();
        p->update();
    });
    auto* takt = new QTimer(this);
    takt->setTimerType(Qt::CoarseTimer);
    connect(takt, &QTimer::timeout, this, [this] { nachsehen(); });
    takt->start(16);
}

void BildAnsicht::setzeFaktor(int faktor) {
    faktor_ = std::max(1, faktor);
    updateGeometry();
    update();
}

void BildAnsicht::passeFaktorAn(QSize raum, int höchstens) {
    raum_ = raum;
    höchstens_ = höchstens;
    faktorNachRaum();
}

void BildAnsicht::faktorNachRaum() {
    if (höchstens_ <= 0) return;
    const int b = std::max(1, bild_.breite()), h = std::max(1, bild_.höhe());
    const int f = std::clamp(std::min(raum_.width() / b, raum_.height() / h), 1, höchstens_);
    if (f != faktor_) setzeFaktor(f);
}

QSize BildAnsicht::sizeHint() const { return QSize(bild_.breite() * faktor_, bild_.höhe() * faktor_); }

void BildAnsicht::nachsehen() {
    if (bild_.version() != gezeigt_ && isVisible()) update();
}

void BildAnsicht::paintEvent(QPaintEvent*) {
    gezeigt_ = bild_.version();
    QPainter p(this);
    p.fillRect(rect(), palette().window());
    const QImage& b = bild_.bild();
    if (b.isNull()) return;
    const QRect ziel(0, 0, b.width() * faktor_, b.height() * faktor_);
    p.drawImage(ziel, b);
    if (gitter_ && faktor_ >= 4) {
        p.setPen(QColor(40, 40, 40));
        for (int x = 0; x <= b.width(); ++x) p.drawLine(x * faktor_, 0, x * faktor_, ziel.height());
        for (int y = 0; y <= b.height(); ++y) p.drawLine(0, y * faktor_, ziel.width(), y * faktor_);
    }
}

int BildAnsicht::knöpfe(const QMouseEvent* e) const {
    int k = 0;
    if (e->buttons() & Qt::LeftButton) k |= 1;
    if (e->buttons() & Qt::RightButton) k |= 2;
    if (e->buttons() & Qt::MiddleButton) k |= 4;
    return k;
}

namespace {
int umschalt(const QMouseEvent* e) {
    int s = 0;
    if (e->modifiers() & Qt::ShiftModifier) s |= 1;
    if (e->modifiers() & Qt::ControlModifier) s |= 2;
    if (e->modifiers() & Qt::AltModifier) s |= 4;
    return s;
}
int knopfVon(Qt::MouseButton b) { return b == Qt::LeftButton ? 1 : b == Qt::RightButton ? 2 : b == Qt::MiddleButton ? 4 : 0; }
} // namespace

void BildAnsicht::mousePressEvent(QMouseEvent* e) {
    const QPointF p = e->position() / faktor_;
    bild_.MouseDown.auslösen(knopfVon(e->button()), umschalt(e), p.x(), p.y());
}

void BildAnsicht::mouseMoveEvent(QMouseEvent* e) {
    const QPointF p = e->position() / faktor_;
    bild_.MouseMove.auslösen(knöpfe(e), umschalt(e), p.x(), p.y());
}

void BildAnsicht::mouseReleaseEvent(QMouseEvent* e) {
    const QPointF p = e->position() / faktor_;
    bild_.MouseUp.auslösen(knopfVon(e->button()), umschalt(e), p.x(), p.y());
}

} // namespace glanzzug
