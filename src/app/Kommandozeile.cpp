#include "Kommandozeile.h"
#include <QCommandLineParser>
#include <cstdio>
#include <cstring>

namespace glanzzug {

Kommandozeile::Art Kommandozeile::artVerlangt(int argc, char** argv) {
    Art art = Art::Fenster;
    for (int i = 1; i < argc; ++i) {
        for (const char* o : {"--help", "-h", "--help-all", "--version", "-v"})
            if (std::strcmp(argv[i], o) == 0) return Art::Auskunft;
        if (std::strcmp(argv[i], "--headless") == 0) art = Art::Kopflos;
    }
    return art;
}

Kommandozeile Kommandozeile::lesen(const QCoreApplication& app) {
    QCommandLineParser p;
    p.setApplicationDescription(QStringLiteral(
        "Composes presentations for an LED sign and plays them on it.\n\n"
        "Weekly schedule: Zeitplan.txt in the program's folder, one rule a line; the first\n"
        "rule matching the local time wins; outside every rule the run list chosen by hand plays.\n"
        "  01.12.-24.12. täglich 07:00-22:00 Weihnachten\n"
        "  Mo-Fr 08:00-18:30 Werbung\n"
        "  Sa 09:00-14:00 Wochenende\n"
        "  täglich 22:00-07:00 dunkel\n"
        "Days Mo..So, Mo-Fr, Fr-Mo, Mo,Mi,Fr or täglich; a window may run past midnight;\n"
        "optional dates TT.MM.-TT.MM. or TT.MM.JJJJ in front; a run list or dunkel (dark).\n"
        "Lines starting with ; are comments."));
    p.addHelpOption();
    p.addVersionOption();
    const QCommandLineOption ordner(QStringLiteral("folder"),
                                    QStringLiteral("The program's folder: presentations, run lists, pictures and "
                                                   "the layout file (default: the current folder)."),
                                    QStringLiteral("DIR"));
    const QCommandLineOption standard(QStringLiteral("standard-ordner"),
                                      QStringLiteral("The standard folder ~/Glanzzug as the program's folder; created "
                                                     "with the demonstration's presentations, pictures and run list "
                                                     "when missing (the desktop menu starts the program so)."));
    const QCommandLineOption port(QStringLiteral("port"),
                                  QStringLiteral("Port backend: sim (default), ppdev[:DEVICE], direct[:ADDRESS], "
                                                 "record:FILE or none."),
                                  QStringLiteral("BACKEND"), QStringLiteral("sim"));
    const QCommandLineOption kopflos(QStringLiteral("headless"),
                                     QStringLiteral("Play without a window until SIGINT or SIGTERM."));
    const QCommandLineOption ticks(QStringLiteral("ticks"),
                                   QStringLiteral("With --headless: shut down normally after N timer ticks."),
                                   QStringLiteral("N"));
    const QCommandLineOption schnell(QStringLiteral("fast"),
                                     QStringLiteral("With --headless: ticks follow each other at once."));
    const QCommandLineOption leise(QStringLiteral("quiet"),
                                   QStringLiteral("With --headless: log nothing to standard error."));
    const QCommandLineOption http(QStringLiteral("http"),
                                  QStringLiteral("Remote control and live view in the browser on [ADDRESS:]PORT "
                                                 "(address 127.0.0.1 when none is given; port 0 picks a free one)."),
                                  QStringLiteral("[ADDRESS:]PORT"));
    const QCommandLineOption httpToken(QStringLiteral("http-token-file"),
                                       QStringLiteral("The remote control's token file (default: "
                                                      "~/.config/glanzzug/http-token; created when missing)."),
                                       QStringLiteral("FILE"));
    p.addOptions({ordner, standard, port, kopflos, ticks, schnell, leise, http, httpToken});
    p.process(app);

    Kommandozeile k;
    k.ordner = p.value(ordner);
    k.standardOrdner = p.isSet(standard);
    if (k.standardOrdner && p.isSet(ordner)) {
        std::fprintf(stderr, "glanzzug: --folder and --standard-ordner exclude each other\n");
        std::exit(2);
    }
    k.port = p.value(port);
    k.kopflos = p.isSet(kopflos);
    k.schnell = p.isSet(schnell);
    k.leise = p.isSet(leise);
    k.http = p.value(http);
    k.httpTokenDatei = p.value(httpToken);
    if (p.isSet(ticks)) {
        bool ok = false;
        k.ticks = p.value(ticks).toLongLong(&ok);
        if (!ok || k.ticks < 0) {
            std::fprintf(stderr, "glanzzug: --ticks takes a whole number of ticks, 0 or more\n");
            std::exit(2);
        }
    }
    if (!k.kopflos && (p.isSet(ticks) || k.schnell)) {
        std::fprintf(stderr, "glanzzug: --ticks and --fast go with --headless\n");
        std::exit(2);
    }
    return k;
}

} // namespace glanzzug
