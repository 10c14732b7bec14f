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
    Fenster& f_;
    QWidget* editor_ = nullptr;
    bool beendet_ = false;
};

// Shows the window, runs start-up and the event loop, then shut-down. Returns the exit status.
int fensterSpielen(Fenster& f, const PortWahl& port, QApplication& app);

} // namespace glanzzug
