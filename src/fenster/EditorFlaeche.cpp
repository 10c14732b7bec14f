#include "EditorFlaeche.h"
#include "BildAnsicht.h"
#include "Fenster.h"
#include <QPointer>
#include <QResizeEvent>
#include <algorithm>

namespace glanzzug {

namespace {
// The editor area's design size with its border, in screen pixels.
constexpr int kEntwurfsSeite = 481;
} // namespace

EditorFläche::EditorFläche(Fenster& f, QWidget* eltern) : QFrame(eltern), f_(f) {
    setObjectName(QStringLiteral("MatrixBildRand"));
    setFrameShape(QFrame::Box);
    setFrameShadow(QFrame::Plain);
    matrix_ = new BildAnsicht(f.MatrixBild, 1, false, this);
    matrix_->setObjectName(QStringLiteral("MatrixBild"));
    for (int i = 0; i < 6; ++i) {
        auto* icon = new BildAnsicht(f.Modul[std::size_t(i)], 1, false, matrix_);
        icon->setObjectName(QStringLiteral("Modul%1").arg(i));
        icon->setCursor(Qt::SizeAllCursor);
        icons_[std::size_t(i)] = icon;
        QPointer<EditorFläche> p(this);
        f.Modul[std::size_t(i)].anzeige.verbinde([p, i] {
            if (p) p->iconSetzen(i);
        });
    }
    QPointer<EditorFläche> p(this);
    f.MatrixBild.anzeige.verbinde([p] {
        if (p) p->größeAnpassen();
    });
    setzeFaktor(1);
}

void EditorFläche::setzeFaktor(int faktor) {
    faktor_ = std::max(1, faktor);
    setLineWidth(faktor_);
    matrix_->setzeFaktor(faktor_);
    for (BildAnsicht* icon : icons_) icon->setzeFaktor(faktor_);
    größeAnpassen();
    for (int i = 0; i < 6; ++i) iconSetzen(i);
}

void EditorFläche::größeAnpassen() {
    const QSize innen(f_.MatrixBild.breite() * faktor_, f_.MatrixBild.höhe() * faktor_);
    if (matrix_->size() != innen) matrix_->setFixedSize(innen);
    matrix_->move(faktor_, faktor_);
    const QSize außen = innen + QSize(2 * faktor_, 2 * faktor_);
    if (size() != außen) setFixedSize(außen);
}

void EditorFläche::iconSetzen(int i) {
    const Bildfeld& m = f_.Modul[std::size_t(i)];
    BildAnsicht* icon = icons_[std::size_t(i)];
    const QSize größe(m.breite() * faktor_, m.höhe() * faktor_);
    if (icon->size() != größe) icon->setFixedSize(größe);
    const QPoint ort(m.links() * faktor_, m.oben() * faktor_);
    if (icon->pos() != ort) icon->move(ort);
    if (icon->isVisibleTo(matrix_) != m.sichtbar()) icon->setVisible(m.sichtbar());
}

EditorRaum::EditorRaum(Fenster& f, QWidget* eltern) : QScrollArea(eltern), f_(f) {
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
    const int b = std::max(1, f_.MatrixBildAußenB), h = std::max(1, f_.MatrixBildAußenH);
    const int faktor = std::clamp(std::min(raum.width() / b, raum.height() / h), 1, 6);
    if (faktor != fläche_->faktor()) fläche_->setzeFaktor(faktor);
}

QSize EditorRaum::sizeHint() const {
    return minimumSizeHint();
}

QSize EditorRaum::minimumSizeHint() const {
    const int rand = 2 * frameWidth();
    return QSize(kEntwurfsSeite + rand, kEntwurfsSeite + rand);
}

void EditorRaum::resizeEvent(QResizeEvent* e) {
    // The whole room counts, scroll bars included, so that their coming and going does
    // not change the factor.
    faktorWählen(e->size() - QSize(2 * frameWidth(), 2 * frameWidth()));
    QScrollArea::resizeEvent(e);
}

} // namespace glanzzug
