#pragma once
#include <QImage>
#include <QString>
#include <memory>
namespace glanzzug {
// The font settings of a picture box: name, size in points, bold, italic.
struct SchriftWahl {
    QString name = QStringLiteral("Small Fonts");
    double größe = 6.75;
    bool fett = false;
    bool kursiv = false;
    bool operator==(const SchriftWahl&) const = default;
};
// Draws and measures text for one font at one size. All measures are whole pixels.
class Schriftsatz {
public:
    virtual ~Schriftsatz() = default;
    // Advance width of the text: exactly how far zeichne() moves the pen.
    virtual int breite(QStringView text) const = 0;
    // Height of one text line (the distance a line end moves down).
    virtual int zeilenhöhe() const = 0;
    // Draws the text with the top-left corner of its line cell at (x, y) in the colour
    // farbe (a QRgb 0xffRRGGBB), clipped to the image; pixels not covered by ink are left
    // untouched. Returns the advance width (== breite(text)). Glyphs lying wholly outside
    // the image are skipped without rasterising, so a 10,000-character text costs no more
    // than walking its characters once.
    virtual int zeichne(QImage& bild, int x, int y, QStringView text, QRgb farbe) const = 0;
    // Whether a text is set letter by letter: drawn exactly as its characters one after
    // another, each at the sum of the advances before it, with no kerning or shaping across
    // characters. Then any part of a text may be drawn alone at its place.
    virtual bool zeichenweise() const { return false; }
};
// The rasteriser for a font choice; cached, cheap to call every frame.
// "Small Fonts" (any letter case) is the built-in LED font; every other name is drawn
// from the system's fonts without anti-aliasing.
std::shared_ptr<const Schriftsatz> schriftsatzFür(const SchriftWahl& wahl);
} // namespace glanzzug
