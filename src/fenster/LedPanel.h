#pragma once
#include <QWidget>
#include <cstdint>

namespace glanzzug {

struct Fenster;
class SimulierterPort;

// The simulated modules as a virtual LED panel: each module's latched LEDs, drawn where
// the module arrangement puts it, lit LEDs as bright coloured dots and dark ones dim. It
// shows what the hardware would show (one bit per colour), not the image. Repaints at
// most at the screen's refresh rate, when a new frame was latched.
class LedPanel : public QWidget {
public:
    LedPanel(const Fenster& f, const SimulierterPort& port, QWidget* parent = nullptr);
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return QSize(120, 40); }

protected:
    void paintEvent(QPaintEvent*) override;

private:
    QRect umfang() const; // the modules' bounding box in LEDs
    const Fenster& f_;
    const SimulierterPort& port_;
    std::uint64_t gezeigt_ = ~0ull;
};

} // namespace glanzzug
