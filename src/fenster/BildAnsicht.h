#pragma once
#include <QPixmap>
#include <QWidget>
#include <cstdint>

namespace glanzzug {

class Bildfeld;

// Shows a picture box magnified by a whole factor, optionally with a grid between the
// pixels (drawn once into a picture of its own, made again only when the picture's size or
// the factor changes), and passes mouse presses, moves and releases to the model in model pixels
// (the position divided by the factor, so it maps back exactly). Repaints at most at the
// screen's refresh rate, and only when the picture changed.
class BildAnsicht : public QWidget {
public:
    BildAnsicht(Bildfeld& bild, int faktor, bool gitter, QWidget* parent = nullptr);
    void setzeFaktor(int faktor);
    int faktor() const { return faktor_; }
    // Lets the factor follow the picture's size: the largest whole factor up to `höchstens`
    // at which the picture fits into `raum` screen pixels (at least 1).
    void passeFaktorAn(QSize raum, int höchstens);
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;

private:
    void nachsehen();
    int knöpfe(const QMouseEvent* e) const;
    // The grid for a picture of `größe` pixels at the current factor.
    const QPixmap& gitter(QSize größe);

    Bildfeld& bild_;
    int faktor_;
    bool mitGitter_;
    std::uint64_t gezeigt_ = ~0ull;
    QSize raum_;
    int höchstens_ = 0;
    QPixmap gitter_;
    QSize gitterGröße_;
    int gitterFaktor_ = 0;
    void faktorNachRaum();
};

} // namespace glanzzug
