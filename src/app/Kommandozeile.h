#pragma once
#include <QCoreApplication>
#include <QString>
#include <cstdint>

namespace glanzzug {

// The command line: --folder DIR or --standard-ordner, --port BACKEND, --headless, --ticks N, --fast, --quiet,
// --http [ADDRESS:]PORT, --http-token-file FILE, with --help and --version.
struct Kommandozeile {
    QString ordner;
    bool standardOrdner = false; // the folder is ~/Glanzzug, created with the demonstration
    QString port = QStringLiteral("sim");
    bool kopflos = false;
    std::int64_t ticks = -1; // stop after this many ticks; -1 runs until a signal
    bool schnell = false;
    bool leise = false;
    QString http;            // the remote control's [ADDRESS:]PORT; empty: none
    QString httpTokenDatei;  // empty: the default token file

    // How the program runs, decided before any application object exists: with the
    // window, headless (no display server, fonts drawn as in the window), or only printing
    // help or version (no display server and no font set-up).
    enum class Art { Fenster, Kopflos, Auskunft };
    static Art artVerlangt(int argc, char** argv);
    // Parses the arguments; prints help, version or errors and exits where they call for it.
    static Kommandozeile lesen(const QCoreApplication& app);
};

} // namespace glanzzug
