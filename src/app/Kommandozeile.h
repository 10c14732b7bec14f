#pragma once
#include <QCoreApplication>
#include <QString>
#include <cstdint>

namespace glanzzug {

// The command line: --folder DIR, --port BACKEND, --headless, --ticks N, --fast, --quiet,
// --http [ADDRESS:]PORT, --http-token-file FILE, with --help and --version.
struct Kommandozeile {
    QString ordner;
    QString port = QStringLiteral("sim");
    bool kopflos = false;
    std::int64_t ticks = -1; // stop after this many ticks; -1 runs until a signal
    bool schnell = false;
    bool leise = false;
    QString http;            // the remote control's [ADDRESS:]PORT; empty: none
    QString httpTokenDatei;  // empty: the default token file

    // Whether the program runs without a window: --headless, or only help or version is
    // asked for (decided before any application object exists, so that no display server
    // is needed).
    static bool kopflosVerlangt(int argc, char** argv);
    // Parses the arguments; prints help, version or errors and exits where they call for it.
    static Kommandozeile lesen(const QCoreApplication& app);
};

} // namespace glanzzug
