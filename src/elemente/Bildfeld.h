#pragma once
#include "Element.h"
#include "Farbe.h"
#include "text/schrift/Schriftsatz.h"
#include <QImage>
#include <optional>

namespace glanzzug {

// A picture box measured in pixels: a persistent image that keeps what is drawn into it
// and reads back what a person sees. Drawing outside the image is clipped; reading a
// point outside it gives -1. Coordinates may be fractional; a point (x, y) is the pixel
// (floor(x), floor(y)).
//
// Layers: the back colour, over it an optional background picture anchored top-left, over
// both what is drawn. Clearing, setting the back colour, and setting or removing the
// background picture all erase what was drawn and show back colour plus background.
class Bildfeld : public Element {
public:
    Bildfeld(int breite = 0, int höhe = 0);

    int breite() const { return bild_.width(); }
    int höhe() const { return bild_.height(); }
    // Resizes; what was drawn stays at the top left, new area shows the back colour and
    // the background picture.
    void setzeGröße(int breite, int höhe);

    // Position of the box inside its parent, in the parent's pixels (module icons).
    int links() const { return links_; }
    int oben() const { return oben_; }
    void setzePosition(int links, int oben);

    Farbe hintergrund() const { return hinter_; }
    void setzeHintergrund(Farbe f);
    Farbe vordergrund() const { return vorder_; }
    void setzeVordergrund(Farbe f) { vorder_ = f; }
    Farbe füllFarbe() const { return füll_; }
    void setzeFüllFarbe(Farbe f) { füll_ = f; }
    // Whether boxes and circles are filled with the fill colour (else only outlined).
    bool gefüllt() const { return gefüllt_; }
    void setzeGefüllt(bool g) { gefüllt_ = g; }

    const QImage& hintergrundBild() const { return hintergrundBild_; }
    void setzeHintergrundBild(const QImage& b);
    void entferneHintergrundBild() { setzeHintergrundBild(QImage()); }

    // Fill with the back colour, show the background picture, cursor to (0, 0).
    void leeren();

    Farbe punkt(double x, double y) const;
    void setzePunkt(double x, double y, Farbe f);
    void linie(double x1, double y1, double x2, double y2, Farbe f);
    // A box between two corners (both included), outlined in f, filled if gefüllt().
    void rechteck(double x1, double y1, double x2, double y2, Farbe f);
    void kreis(double x, double y, double radius, Farbe f);
    // Paints the picture stretched into the rectangle (x, y, w, h), plain copy.
    void maleGestreckt(const QImage& quelle, int x, int y, int w, int h);

    // Text: drawn with the picture's font and fore colour at the cursor.
    const SchriftWahl& schrift() const { return schrift_; }
    void setzeSchrift(const SchriftWahl& s) { schrift_ = s; }
    double cursorX = 0;
    double cursorY = 0;
    int textBreite(QStringView text) const;
    int zeilenHöhe() const;
    // Draws at the cursor and moves the cursor right by the text's width.
    void druckeAufZeile(QStringView text);
    // Draws at the cursor, then moves it to x = 0, one line lower.
    void druckeMitZeilenende(QStringView text);

    // Direct pixel access (Qt RGB32, 0xffRRGGBB). Who writes through it calls geändert().
    QImage& bild() { return bild_; }
    const QImage& bild() const { return bild_; }
    void geändert() { ++version_; }
    // Grows with every change of the pixels; views repaint when it moved on, at most at
    // the screen's refresh rate, so a 1 ms step does not spend the machine on painting.
    std::uint64_t version() const { return version_; }

    // Mouse on the box, in its own pixels: button set (1 left, 2 right, 4 middle), shift state.
    Ereignis<int, int, double, double> MouseDown;
    Ereignis<int, int, double, double> MouseMove;
    Ereignis<int, int, double, double> MouseUp;

private:
    void zusammensetzen();
    // An opaque background picture hides what lies beneath it: copied row by row into the
    // top left (the same pixels painting it gives), the back colour only around it, and
    // while nothing was drawn since the last picture, only where that one lay. False, with
    // nothing done, unless both are 32-bit opaque images at one pixel per pixel. An
    // animation does this every step, for Pic and for Bild.
    bool deckendKopiert();

    QImage bild_;
    QImage hintergrundBild_;
    Farbe hinter_ = 0;
    Farbe vorder_ = RGB(255, 255, 255);
    Farbe füll_ = 0;
    bool gefüllt_ = false;
    int links_ = 0, oben_ = 0;
    SchriftWahl schrift_;
    std::uint64_t version_ = 0;
    // What the last composition left, while version_ is still zusammengesetzt_: the back
    // colour everywhere but the top-left area an opaque picture covered (none otherwise).
    struct Gedeckt {
        QSize größe;
        Farbe farbe;
    };
    std::optional<Gedeckt> gedeckt_;
    std::uint64_t zusammengesetzt_ = ~std::uint64_t(0);
};

} // namespace glanzzug
