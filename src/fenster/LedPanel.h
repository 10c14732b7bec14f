#pragma once
#include <QPixmap>
#include <QWidget>
#include <array>
#include <cstdint>

namespace glanzzug {

struct Fenster;
class SimulierterPort;

// The simulated modules as a virtual LED panel: each module's latched LEDs, drawn where
// the module arrangement puts it, lit LEDs as bright coloured dots and dark ones dim. It
// shows what the hardware would show (one bit per colour), not the image.
//
// Costs: it looks at the port at most at the screen's refresh rate and repaints only the
// modules whose latched LEDs changed (all of it when the arrangement changed). A paint
// copies one prepared picture per LED colour (made again only when the panel's size
// changes), and the panel covers its whole area itself, so Qt draws nothing beneath it.
class LedPanel : public QWidget {
public:
    LedPanel(const Fenster& f, const SimulierterPort& port, QWidget* parent = nullptr);
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return QSize(120, 40); }

protected:
    void paintEvent(QPaintEvent*) override;

private:
    using Leds = std::array<std::uint8_t, 6 * 49>; // colour bits by module, row, column
    using Lage = std::array<int, 12>;               // whole-pixel x, y of each module
    // Where things lie on the panel for its current size and the modules' arrangement.
    struct Raster {
        QRect umfang;     // the modules' bounding box in LEDs
        double zelle = 0; // screen pixels per LED
        QPointF ursprung; // the bounding box's top-left corner on the panel
    };
    Leds ledsJetzt() const;
    Lage lageJetzt() const;
    Raster raster() const;
    QRectF platte(const Raster& ra, int modul) const;
    // The square the dot of LED i (index into Leds) is copied to.
    QRect punktFläche(const Raster& ra, std::size_t i) const;
    // Looks at the port and asks for a paint of what changed since the last look.
    void nachsehen();
    // The dots for a cell of `zelle` screen pixels: index = colour bits (0 = dark LED).
    void punkteVorbereiten(double zelle);

    const Fenster& f_;
    const SimulierterPort& port_;
    Leds leds_{}; // what the panel shows, or will once the asked-for paint is done
    Lage lage_{};
    std::array<QPixmap, 8> punkte_;
    double punkteZelle_ = 0;
    qreal punkteDpr_ = 0;
};

} // namespace glanzzug
