#include "BildAnsicht.h"
#include "Bildfeld.h"
#include "Bildtakt.h"
#include <QMouseEvent>
#include <algorithm>
#include <QPainter>
#include <QPointer>

namespace glanzzug {

BildAnsicht::BildAnsicht(Bildfeld& bild, int faktor, bool gitter, QWidget* parent)
    : QWidget(parent), bild_(bild), faktor_(std::max(1, faktor)), mitGitter_(gitter) {
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent); // every paint covers the whole area
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
    Bildtakt::anmelden(this, [this] { nachsehen(); });
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
    const QImage& b = bild_.bild();
    const QRect ziel(0, 0, b.width() * faktor_, b.height() * faktor_);
    // The window's colour only where the picture does not cover.
    for (const QRect& r : QRegion(rect()) - ziel) p.fillRect(r, palette().window());
    if (b.isNull()) return;
    p.drawImage(ziel, b);
    if (mitGitter_ && faktor_ >= 4) p.drawPixmap(0, 0, gitter(b.size()));
}

const QPixmap& BildAnsicht::gitter(QSize größe) {
    const qreal dpr = devicePixelRatioF();
    if (größe == gitterGröße_ && faktor_ == gitterFaktor_ && dpr == gitter_.devicePixelRatio()) return gitter_;
    gitterGröße_ = größe;
    gitterFaktor_ = faktor_;
    // One pixel more than the picture each way: the last line lies on its far edge.
    const QSize fläche(größe.width() * faktor_ + 1, größe.height() * faktor_ + 1);
    gitter_ = QPixmap(fläche * dpr);
    gitter_.setDevicePixelRatio(dpr);
    gitter_.fill(Qt::transparent);
    QPainter p(&gitter_);
    p.setPen(QColor(40, 40, 40));
    for (int x = 0; x <= größe.width(); ++x) p.drawLine(x * faktor_, 0, x * faktor_, fläche.height() - 1);
    for (int y = 0; y <= größe.height(); ++y) p.drawLine(0, y * faktor_, fläche.width() - 1, y * faktor_);
    return gitter_;
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
