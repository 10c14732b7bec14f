#pragma once
#include "Schriftsatz.h"

#include <QFont>
#include <QFontMetrics>

namespace glanzzug {

// A font from the system's font database, drawn without anti-aliasing so that every pixel is
// either ink or untouched. Needs a QGuiApplication.
//
// Sizes are in points at a fixed 96 dots per inch, whatever the screen's resolution; the
// target image's own resolution is ignored, so drawing always matches the measures. Texts longer than a few
// hundred characters are drawn only around the visible part: its position comes from summing
// single-character advances, so kerning across the skipped part is not applied there.
class SystemSchriftsatz final : public Schriftsatz {
public:
    explicit SystemSchriftsatz(const SchriftWahl& wahl);

    int breite(QStringView text) const override;
    int zeilenhöhe() const override { return maße_.height(); }
    int zeichne(QImage& bild, int x, int y, QStringView text, QRgb farbe) const override;

    const QFont& schrift() const { return schrift_; }

private:
    QFont schrift_;
    QFontMetrics maße_;
    QFontMetricsF maßeF_;
};

} // namespace glanzzug
