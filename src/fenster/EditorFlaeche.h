#pragma once
#include <QFrame>
#include <QScrollArea>
#include <array>

namespace glanzzug {

struct Fenster;
class BildAnsicht;

// The layout editor's area, magnified by a whole factor: the whole room a module can be
// placed in (at least the largest display, 120 x 120 LEDs, and as far as any module lies),
// with MatrixBild, the editor's picture of the current display, at its top left, and the six
// module icons above both at (links, oben) x factor. Beyond MatrixBild the area shows the
// same dot grid on a lighter grey, so a module dragged past the display stays in sight. The
// icons follow their model's position and visibility and receive their own mouse events (in
// icon pixels, since the factor divides out).
class EditorFläche : public QFrame {
public:
    EditorFläche(Fenster& f, QWidget* eltern);
    int faktor() const { return faktor_; }
    void setzeFaktor(int faktor);
    // The area in editor pixels (unmagnified).
    QSize bereich() const;
    BildAnsicht* matrix() const { return matrix_; }
    BildAnsicht* icon(int i) const { return icons_[std::size_t(i)]; }

private:
    void größeAnpassen();
    void iconSetzen(int i);

    Fenster& f_;
    QWidget* bereich_;
    BildAnsicht* matrix_;
    std::array<BildAnsicht*, 6> icons_{};
    int faktor_ = 1;
};

// Scrolls the editor area where it is larger than the room it has, and magnifies it by the
// largest whole factor (up to 6) at which the whole area still fits.
class EditorRaum : public QScrollArea {
public:
    EditorRaum(Fenster& f, QWidget* eltern);
    EditorFläche* fläche() const { return fläche_; }
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void resizeEvent(QResizeEvent* e) override;

private:
    void faktorWählen(QSize raum);

    EditorFläche* fläche_;
    QSize raum_;
};

} // namespace glanzzug
