#include "EditorFlaeche.h"
#include "BildAnsicht.h"
#include "Fenster.h"
#include <QPainter>
#include <QPointer>
#include <QResizeEvent>
#include <algorithm>

namespace glanzzug {

namespace {
// The largest display, 120 x 120 LEDs, in editor pixels (4 per LED, less the last gap).
constexpr int kGrößterBereich = 4 * 120 - 1;

// The area beyond the display: one dot per possible LED at (1 + 4i, 1 + 4j), like the
// editor's picture of the display, on a lighter grey.
class Umgebung : public QWidget {
public:
    Umgebung(const Bildfeld& matrix, QWidget* eltern) : QWidget(eltern), matrix_(matrix) {
        setAttribute(Qt::WA_OpaquePaintEvent);
    }
    int faktor = 1;

protected:
    void paintEvent(QPaintEvent* e) override {
        if (kachelFaktor_ != faktor) {
            kachelFaktor_ = faktor;
            kachel_ = QPixmap(4 * faktor, 4 * faktor);
            kachel_.fill(QColor(176, 176, 176));
            QPainter k(&kachel_);
            k.fillRect(faktor, faktor, faktor, faktor, QColor(70, 70, 70));
        }
        QPainter p(this);
        // MatrixBild covers its own part; the rest tiles from the area's origin.
        const QRect anzeige(0, 0, matrix_.breite() * faktor, matrix_.höhe() * faktor);
        for (const QRect& r : QRegion(e->rect()) - anzeige) p.drawTiledPixmap(r, kachel_, r.topLeft());
    }

private:
    const Bildfeld& matrix_;
    QPixmap kachel_;
    int kachelFaktor_ = 0;
};
} // namespace

EditorFläche::EditorFläche(Fenster& f, QWidget* eltern) : QFrame(eltern), f_(f) {
    setObjectName(QStringLiteral("MatrixBildRand"));
    setFrameShape(QFrame::Box);
    setFrameShadow(QFrame::Plain);
    bereich_ = new Umgebung(f.MatrixBild, this);
    matrix_ = new BildAnsicht(f.MatrixBild, 1, false, bereich_);
    matrix_->setObjectName(QStringLiteral("MatrixBild"));
    for (int i = 0; i < 6; ++i) {
        auto* icon = new BildAnsicht(f.Modul[std::size_t(i)], 1, false, bereich_);
        icon->setObjectName(QStringLiteral("Modul%1").arg(i));
        icon->setCursor(Qt::SizeAllCursor);
        icons_[std::size_t(i)] = icon;
        QPointer<EditorFläche> p(this);
        f.Modul[std::size_t(i)].anzeige.verbinde([p, i] {
            if (!p) return;
            p->iconSetzen(i);
            p->größeAnpassen(); // a module dragged far out widens the area
        });
    }
    QPointer<EditorFläche> p(this);
    f.MatrixBild.anzeige.verbinde([p] {
        if (p) p->größeAnpassen();
    });
    setzeFaktor(1);
}

QSize EditorFläche::bereich() const {
    int b = std::max(kGrößterBereich, f_.MatrixBild.breite());
    int h = std::max(kGrößterBereich, f_.MatrixBild.höhe());
    for (const Bildfeld& m : f_.Modul)
        if (m.sichtbar()) b = std::max(b, m.links() + m.breite()), h = std::max(h, m.oben() + m.höhe());
    return {b, h};
}

void EditorFläche::setzeFaktor(int faktor) {
    faktor_ = std::max(1, faktor);
    setLineWidth(faktor_);
    static_cast<Umgebung*>(bereich_)->faktor = faktor_;
    bereich_->update();
    matrix_->setzeFaktor(faktor_);
    for (BildAnsicht* icon : icons_) icon->setzeFaktor(faktor_);
    größeAnpassen();
    for (int i = 0; i < 6; ++i) iconSetzen(i);
}

void EditorFläche::größeAnpassen() {
    const QSize innen(f_.MatrixBild.breite() * faktor_, f_.MatrixBild.höhe() * faktor_);
    if (matrix_->size() != innen) {
        matrix_->setFixedSize(innen);
        bereich_->update();
    }
    const QSize fläche = bereich() * faktor_;
    if (bereich_->size() != fläche) bereich_->setFixedSize(fläche);
    bereich_->move(faktor_, faktor_);
    const QSize außen = fläche + QSize(2 * faktor_, 2 * faktor_);
    if (size() != außen) setFixedSize(außen);
}

void EditorFläche::iconSetzen(int i) {
    const Bildfeld& m = f_.Modul[std::size_t(i)];
    BildAnsicht* icon = icons_[std::size_t(i)];
    const QSize größe(m.breite() * faktor_, m.höhe() * faktor_);
    if (icon->size() != größe) icon->setFixedSize(größe);
    const QPoint ort(m.links() * faktor_, m.oben() * faktor_);
    if (icon->pos() != ort) icon->move(ort);
    if (icon->isVisibleTo(bereich_) != m.sichtbar()) icon->setVisible(m.sichtbar());
}

EditorRaum::EditorRaum(Fenster& f, QWidget* eltern) : QScrollArea(eltern) {
    setObjectName(QStringLiteral("EditorRaum"));
    setFrameShape(QFrame::NoFrame);
    setWidgetResizable(false);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    fläche_ = new EditorFläche(f, this);
    setWidget(fläche_);
    QPointer<EditorRaum> p(this);
    f.MatrixBild.anzeige.verbinde([p] {
        if (p && p->raum_.isValid()) p->faktorWählen(p->raum_);
    });
}

void EditorRaum::faktorWählen(QSize raum) {
    raum_ = raum;
    const QSize b = fläche_->bereich() + QSize(2, 2); // with the border
    const int faktor = std::clamp(std::min(raum.width() / b.width(), raum.height() / b.height()), 1, 6);
    if (faktor != fläche_->faktor()) fläche_->setzeFaktor(faktor);
}

QSize EditorRaum::sizeHint() const {
    return minimumSizeHint();
}

QSize EditorRaum::minimumSizeHint() const {
    const int rand = 2 * frameWidth();
    return QSize(kGrößterBereich + 2 + rand, kGrößterBereich + 2 + rand);
}

void EditorRaum::resizeEvent(QResizeEvent* e) {
    // The whole room counts, scroll bars included, so that their coming and going does
    // not change the factor.
    faktorWählen(e->size() - QSize(2 * frameWidth(), 2 * frameWidth()));
    QScrollArea::resizeEvent(e);
}

} // namespace glanzzug
