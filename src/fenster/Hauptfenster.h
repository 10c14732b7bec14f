#pragma once
#include <QMainWindow>

class QApplication;

namespace glanzzug {

struct Fenster;
struct PortWahl;

// The main window: lays out the window elements and binds each to its model. It holds
// no playback logic; closing it runs the shut-down.
class Hauptfenster : public QMainWindow {
public:
    Hauptfenster(Fenster& f, const PortWahl& port);

protected:
    void closeEvent(QCloseEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;

private:
    // Fits the window to its content: as large as the content asks (the display preview
    // grows and shrinks with the display) and, while the layout editor is open, as the
    // editor asks; at least as large as the person made it, at most as large as the screen's
    // free area, so the status line stays on the screen.
    void passeGrößeAn();

    Fenster& f_;
    QSize eigeneGröße_; // the size the person gave the window, if any
    QSize verlangt_;    // the size passeGrößeAn asked for last
    QWidget* editor_ = nullptr;
    bool beendet_ = false;
};

// Shows the window, runs start-up and the event loop, then shut-down. Returns the exit status.
int fensterSpielen(Fenster& f, const PortWahl& port, QApplication& app);

} // namespace glanzzug
