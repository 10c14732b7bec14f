#pragma once
#include <QFrame>
#include <QScrollArea>
#include <array>

namespace glanzzug {

struct Fenster;
class BildAnsicht;

// The layout editor's area: MatrixBild with its one-pixel border, magnified by a whole
// factor, and the six module icons as its children at (links, oben) x factor. The icons
// are clipped at the area's edge, follow their model's position and visibility, and
// receive their own mouse events (in icon pixels, since the factor divides out).
class EditorFläche : public QFrame {
public:
    EditorFläche(Fenster& f, QWidget* eltern);
    int faktor() const { return faktor_; }
    void setzeFaktor(int faktor);
    BildAnsicht* matrix() const { return matrix_; }
    BildAnsicht* icon(int i) const { return icons_[std::size_t(i)]; }

private:
    void größeAnpassen();
    void iconSetzen(int i);

    Fenster& f_;
    BildAnsicht* matrix_;
    std::array<BildAnsicht*, 6> icons_{};
    int faktor_ = 1;
};

// Scrolls the editor area where it is larger than the room it has, and magnifies it by
// the largest whole factor at which the design area (481 x 481) still fits.
class EditorRaum : public QScrollArea {
public:
    EditorRaum(Fenster& f, QWidget* eltern);
    EditorFläche* fläche() const { return fläche_; }
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void resizeEvent(QResizeEvent* e) override;

private:
    // The largest whole factor (up to 6) at which the editor area, as large as it is now,
    // fits into the room: a small strip is shown large, "Maximum" shrinks it again.
    void faktorWählen(QSize raum);

    Fenster& f_;
    EditorFläche* fläche_;
    QSize raum_;
};

} // namespace glanzzug
