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
// Costs: it looks at the port at most at the screen's refresh rate and repaints only when
// a latched LED or the arrangement changed. A paint copies one prepared picture per LED
// colour (made again only when the panel's size changes), and the panel covers its whole
// area itself, so Qt draws nothing beneath it.
class LedPanel : public QWidget {
public:
    LedPanel(const Fenster& f, const SimulierterPort& port, QWidget* parent = nullptr);
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return QSize(120, 40); }

protected:
    void paintEvent(QPaintEvent*) override;

private:
    // What the panel shows: the colour bits of the 6 × 49 LEDs (module, row, column),
    // then the whole-pixel positions of the six modules.
    using Stand = std::array<int, 6 * 49 + 12>;
    Stand standJetzt() const;
    void nachsehen();
    QRect umfang() const; // the modules' bounding box in LEDs
    // The dots for a cell of `zelle` screen pixels: index = colour bits (0 = dark LED).
    void punkteVorbereiten(double zelle);

    const Fenster& f_;
    const SimulierterPort& port_;
    Stand gezeigt_{};
    bool gemalt_ = false;
    std::array<QPixmap, 8> punkte_;
    double punkteZelle_ = 0;
    qreal punkteDpr_ = 0;
};

} // namespace glanzzug
