#include "SystemSchriftsatz.h"

#include <QPainter>

#include <algorithm>
#include <array>
#include <cmath>

namespace glanzzug {
namespace {

// Texts up to this many UTF-16 units are always drawn whole.
constexpr qsizetype kLangerText = 256;
// Characters drawn beyond each image edge, for glyphs that overhang their advance.
constexpr int kRand = 4;

QFont baueSchrift(const SchriftWahl& wahl) {
    QFont schrift(wahl.name);
    schrift.setPointSizeF(std::max(1.0, std::isnan(wahl.größe) ? 1.0 : wahl.größe));
    schrift.setBold(wahl.fett);
    schrift.setItalic(wahl.kursiv);
    schrift.setStyleStrategy(QFont::StyleStrategy(QFont::NoAntialias | QFont::NoSubpixelAntialias));
    // Hinting fixed to the usual system default (slight, vertical only): left to the
    // platform, it changes with the desktop's settings and is switched off under high-DPI
    // scaling, and the same text would light other LEDs.
    schrift.setHintingPreference(QFont::PreferVerticalHinting);
    return schrift;
}

// Fonts are sized and drawn at this fixed resolution (96 dots per inch), not at the
// screen's: the sign shows the same pixels with the window on any screen and headless.
constexpr int kPunkteProMeter = 3780;

// The device the metrics are taken for: a 1 x 1 image at kPunkteProMeter.
const QImage& maßBild() {
    static const QImage bild = [] {
        QImage b(1, 1, QImage::Format_RGB32);
        b.setDotsPerMeterX(kPunkteProMeter);
        b.setDotsPerMeterY(kPunkteProMeter);
        return b;
    }();
    return bild;
}

// While alive, gives the image the resolution the metrics were taken at.
class StandardAuflösung {
public:
    explicit StandardAuflösung(QImage& bild)
        : bild_(bild), x_(bild.dotsPerMeterX()), y_(bild.dotsPerMeterY()) {
        if (x_ != kPunkteProMeter) bild_.setDotsPerMeterX(kPunkteProMeter);
        if (y_ != kPunkteProMeter) bild_.setDotsPerMeterY(kPunkteProMeter);
    }
    ~StandardAuflösung() {
        if (bild_.dotsPerMeterX() != x_) bild_.setDotsPerMeterX(x_);
        if (bild_.dotsPerMeterY() != y_) bild_.setDotsPerMeterY(y_);
    }
    StandardAuflösung(const StandardAuflösung&) = delete;
    StandardAuflösung& operator=(const StandardAuflösung&) = delete;

private:
    QImage& bild_;
    int x_;
    int y_;
};

// UTF-16 units of the character starting at i: 2 for a surrogate pair, else 1.
qsizetype zeichenLänge(QStringView text, qsizetype i) {
    return text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate() ? 2 : 1;
}

struct Ausschnitt {
    QStringView text;
    qreal x;
};

// The part of a long text that can touch the columns [0, bildBreite), with kRand characters
// to spare on each side, and where it starts.
Ausschnitt sichtbarerTeil(const QFontMetricsF& maße, QStringView text, qreal x, int bildBreite) {
    struct Marke {
        qsizetype index;
        qreal x;
    };
    std::array<Marke, kRand + 1> zuletzt{}; // ring of the most recent character starts
    std::size_t anzahl = 0;
    qsizetype anfang = -1;
    qreal anfangX = x;
    qreal stift = x;
    qsizetype i = 0;
    while (i < text.size()) {
        const qsizetype länge = zeichenLänge(text, i);
        if (anfang < 0) zuletzt[anzahl++ % zuletzt.size()] = {i, stift};
        const qreal vorschub = länge == 1 ? maße.horizontalAdvance(text[i])
                                          : maße.horizontalAdvance(text.sliced(i, länge).toString());
        if (anfang < 0 && stift + vorschub > 0) {
            // The oldest remembered start lies kRand characters back, or is the text's start.
            const Marke& m = zuletzt[anzahl >= zuletzt.size() ? anzahl % zuletzt.size() : 0];
            anfang = m.index;
            anfangX = m.x;
        }
        stift += vorschub;
        i += länge;
        if (anfang >= 0 && stift >= bildBreite) break;
    }
    if (anfang < 0) return {QStringView(), x};
    for (int übrig = kRand; übrig > 0 && i < text.size(); --übrig) i += zeichenLänge(text, i);
    return {text.sliced(anfang, i - anfang), anfangX};
}

} // namespace

SystemSchriftsatz::SystemSchriftsatz(const SchriftWahl& wahl)
    : schrift_(baueSchrift(wahl)), maße_(schrift_, &maßBild()), maßeF_(schrift_, &maßBild()) {}

int SystemSchriftsatz::breite(QStringView text) const {
    return maße_.horizontalAdvance(text.toString());
}

int SystemSchriftsatz::zeichne(QImage& bild, int x, int y, QStringView text, QRgb farbe) const {
    const int gesamt = breite(text);
    if (bild.isNull() || text.isEmpty() || y >= bild.height() || y + maße_.height() <= 0 ||
        x >= bild.width() || static_cast<long long>(x) + gesamt <= 0)
        return gesamt;

    Ausschnitt teil{text, static_cast<qreal>(x)};
    if (text.size() > kLangerText) teil = sichtbarerTeil(maßeF_, text, x, bild.width());
    if (teil.text.isEmpty()) return gesamt;

    StandardAuflösung auflösung(bild);
    QPainter maler(&bild);
    maler.setRenderHint(QPainter::Antialiasing, false);
    maler.setRenderHint(QPainter::TextAntialiasing, false);
    maler.setFont(schrift_);
    maler.setPen(QColor::fromRgb(farbe));
    maler.drawText(QPointF(teil.x, y + maße_.ascent()), teil.text.toString());
    return gesamt;
}

} // namespace glanzzug
