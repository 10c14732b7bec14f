// The headless player as the service manager and a user run it: the built program in a
// folder of its own, real signals, a real notify socket, a device that takes no bytes,
// FIFOs where files should be, and a full disk.
#include "Prozess.h"
#include "SichereDatei.h"
#include "TestHilfen.h"
#include "Zeiteingaben.h"
#include <QTest>
#include <cstring>
#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/un.h>
#include <utime.h>

using namespace glanzzug;
using namespace glanzzug::test;
using namespace std::chrono_literals;

namespace {

const QString kProgramm = QStringLiteral(GLANZZUG_PROGRAMM);
constexpr int kFrame = 590;
constexpr int kDunkel = 1764 * 2 + 2;

// A folder that plays at start: the run list "Probe" with the demo's "Farben" (a coloured
// scrolling text, 30 ms per step) in the given font, the demo's layout file, and
// "Letzte Lauf-Liste" naming the run list (with a second line, which the shut-down drops).
struct SpielOrdner {
    QTemporaryDir ordner;
    explicit SpielOrdner(const QByteArray& schrift = "Small Fonts") {
        QByteArray lsl = lies(QStringLiteral(GLANZZUG_DEMO "/Farben.LSL"));
        lsl.replace("FoNa=Small Fonts", "FoNa=" + schrift);
        schreib(pfad("Probe1.LSL"), lsl);
        schreib(pfad("Probe.LAL"), "Probe1\r\n");
        schreib(pfad("Letzte Lauf-Liste"), "Probe\r\nalt\r\n");
        schreib(pfad("LED-Modul-Anordnung.txt"), lies(QStringLiteral(GLANZZUG_DEMO "/LED-Modul-Anordnung.txt")));
        // An old time stamp, so that the save at shut-down shows.
        utimbuf alt{978307200, 978307200};
        ::utime(pfad("Probe.LAL").toLocal8Bit().constData(), &alt);
    }
    QString pfad(const QString& name) const { return ordner.filePath(name); }
    bool laufListeGespeichert() const { return QFileInfo(pfad("Probe.LAL")).lastModified().date().year() > 2001; }
};

// The run and the shut-down left their trace: whole frames, then the blanking as the last
// thing on the wire; "Letzte Lauf-Liste" rewritten with one line, the run list (unchanged)
// left as it was.
void prüfeSauberBeendet(const SpielOrdner& o, const QByteArray& aufnahme) {
    ASSERT_GE(aufnahme.size(), kDunkel);
    const qsizetype frames = aufnahme.size() - kDunkel;
    EXPECT_EQ(frames % kFrame, 0) << "the record ends mid-frame";
    for (qsizetype ende = kFrame; ende <= frames; ende += kFrame)
        ASSERT_EQ(aufnahme.mid(ende - 2, 2), QByteArray("\x80\x00", 2)) << "frame ending at " << ende;
    EXPECT_EQ(aufnahme.right(kDunkel), dunkelBytes());
    EXPECT_EQ(lies(o.pfad("Letzte Lauf-Liste")), QByteArray("Probe\r\n"));
    EXPECT_FALSE(o.laufListeGespeichert());
}

QStringList kopflos(const QString& ordner, const QString& port, QStringList mehr = {}) {
    return QStringList{"--headless", "--quiet", "--folder", ordner, "--port", port} + mehr;
}

} // namespace

// A closed terminal (SIGHUP) and a service stop (SIGTERM) while playing, and a signal
// already pending when the program starts (it arrives while the files are read): start-up
// finishes, then a clean shut-down instead of dying or playing on.
TEST(Kopflos, SignalBeendetSauber) {
    for (const auto& [sig, beimStart] : {std::pair(SIGHUP, false), {SIGTERM, false}, {SIGHUP, true}}) {
        SCOPED_TRACE(std::string(strsignal(sig)) + (beimStart ? " at start" : " while playing"));
        SpielOrdner o;
        const QString aufnahme = o.pfad("draht.bin");
        Prozess p(kProgramm, kopflos(o.ordner.path(), "record:" + aufnahme), o.pfad("lauf"), {}, {beimStart ? sig : 0});
        if (!beimStart)
            ASSERT_TRUE(QTest::qWaitFor([&] { return QFileInfo(aufnahme).size() >= 3 * kFrame; }, 20000)) << p.fehlerAusgabe().data();
        p.signal(sig);
        ASSERT_EQ(p.warten(20s), 0) << p.fehlerAusgabe().data();
        prüfeSauberBeendet(o, lies(aufnahme));
    }
}

// A record file on a device that takes no bytes (a node like /dev/full, made here): the
// failure is reported once, naming the file and the reason, and the player shuts down
// with status 4 after saving its files.
TEST(Kopflos, PortDerKeineBytesNimmtBeendetMitFehler) {
    if (::geteuid() != 0) GTEST_SKIP() << "needs root to make a character device node (mknod c 1 7)";
    SpielOrdner o;
    const QString voll = o.pfad("voll");
    ASSERT_EQ(::mknod(voll.toLocal8Bit().constData(), S_IFCHR | 0666, makedev(1, 7)), 0) << strerror(errno);
    Prozess p(kProgramm, kopflos(o.ordner.path(), "record:" + voll, {"--fast"}), o.pfad("lauf"));
    ASSERT_EQ(p.warten(20s), 4) << p.fehlerAusgabe().data();
    const QByteArray fehler = p.fehlerAusgabe();
    EXPECT_TRUE(fehler.contains("glanzzug: record:" + voll.toLocal8Bit() + ": write failed: No space left on device\n"));
    EXPECT_EQ(fehler.count("write failed"), 1) << fehler.data();
    EXPECT_EQ(lies(o.pfad("Letzte Lauf-Liste")), QByteArray("Probe\r\n"));
    EXPECT_FALSE(o.laufListeGespeichert());
}

// The service manager, played by a datagram socket: ready after start-up, the watchdog
// fed while playing (100 ms asked for, so every 50 ms), stopping at SIGTERM.
TEST(Kopflos, MeldetDemDienstverwalterBereitWachhundUndHalt) {
    SpielOrdner o;
    const QString sockel = o.pfad("notify");
    const int fd = ::socket(AF_UNIX, SOCK_DGRAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    ASSERT_GE(fd, 0);
    sockaddr_un adresse{AF_UNIX, {}};
    const QByteArray pfad = sockel.toLocal8Bit();
    ASSERT_LT(std::size_t(pfad.size()), sizeof adresse.sun_path);
    std::memcpy(adresse.sun_path, pfad.constData(), std::size_t(pfad.size()));
    ASSERT_EQ(::bind(fd, reinterpret_cast<sockaddr*>(&adresse), sizeof adresse), 0) << strerror(errno);
    QStringList meldungen;
    auto empfangen = [&] {
        char puffer[4096];
        ssize_t n;
        while ((n = ::recv(fd, puffer, sizeof puffer, 0)) > 0)
            meldungen += QString::fromUtf8(puffer, n).split(u'\n', Qt::SkipEmptyParts);
    };

    Prozess p(kProgramm, kopflos(o.ordner.path(), "none"), o.pfad("lauf"),
              {"NOTIFY_SOCKET=" + sockel, "WATCHDOG_USEC=100000", "WATCHDOG_PID"});
    EXPECT_TRUE(QTest::qWaitFor([&] { return empfangen(), meldungen.count("WATCHDOG=1") >= 4; }, 20000)) << p.fehlerAusgabe().data();
    EXPECT_EQ(meldungen.value(0), "READY=1") << meldungen.join(u' ').toStdString();
    p.signal(SIGTERM);
    const auto s = p.warten(10s);
    empfangen();
    ::close(fd);
    ASSERT_EQ(s, 0);
    EXPECT_EQ(meldungen.count("READY=1"), 1);
    EXPECT_EQ(meldungen.back(), "STOPPING=1") << meldungen.join(u' ').toStdString();
}

// Help, version and the headless player need no display server, even when the
// environment asks for one; with --quiet and no runtime folder (as under the service) the
// player writes nothing to standard error.
TEST(Kopflos, BrauchtKeinenBildschirm) {
    SpielOrdner o;
    const QStringList ohneBildschirm{"QT_QPA_PLATFORM=xcb", "DISPLAY", "WAYLAND_DISPLAY", "XDG_RUNTIME_DIR"};
    // (arguments, expected on standard output)
    for (const auto& [argumente, ausgabe] : {std::pair<QStringList, QByteArray>({"--help"}, "--headless"),
                                             {{"--version"}, "glanzzug"},
                                             {kopflos(o.ordner.path(), "none", {"--ticks", "5", "--fast"}), ""}}) {
        SCOPED_TRACE(argumente.join(u' ').toStdString());
        Prozess p(kProgramm, argumente, o.pfad("lauf"), ohneBildschirm);
        ASSERT_EQ(p.warten(20s), 0) << p.fehlerAusgabe().data();
        EXPECT_TRUE(lies(o.pfad("lauf.out")).contains(ausgabe));
        EXPECT_EQ(p.fehlerAusgabe(), QByteArray());
    }
}

// A presentation in a system font, and one in a font that is not installed: the headless
// player sends exactly the frames the window's model draws, with the same fallback, also
// when the screen's resolution differs (QT_FONT_DPI stands for a desktop at 120 dpi).
TEST(Kopflos, SchriftenWieImFenster) {
    constexpr int kTicks = 120;
    // The window's model in this process: the same start-up, "Timer an", ticks, shut-down.
    auto modell = [](const QByteArray& schrift) {
        SpielOrdner o(schrift);
        const QString vorher = QDir::currentPath();
        QDir::setCurrent(o.ordner.path());
        FrischGestartet g;
        TimerAn_Click(g.f);
        for (int t = 0; t < kTicks && g.f.T.an(); ++t) g.f.T.ablaufen();
        g.f.T.setzeAn(false);
        g.beenden();
        QDir::setCurrent(vorher);
        const auto w = g.port.werte();
        return QByteArray(reinterpret_cast<const char*>(w.data()), qsizetype(w.size()));
    };
    const QByteArray eingebaut = modell("Small Fonts");
    for (const QByteArray& schrift : {QByteArray("DejaVu Sans"), QByteArray("Arial")}) {
        const QByteArray fenster = modell(schrift);
        ASSERT_GE(fenster.size(), kTicks / 2 * kFrame + kDunkel);
        EXPECT_NE(fenster, eingebaut) << "the font took no effect";
        for (const QString& umgebung : {QString("GLANZZUG_PROBE=1"), QString("QT_FONT_DPI=120")}) {
            SCOPED_TRACE(schrift.toStdString() + ", " + umgebung.toStdString());
            SpielOrdner kopf(schrift);
            const QString aufnahme = kopf.pfad("draht.bin");
            Prozess p(kProgramm,
                      kopflos(kopf.ordner.path(), "record:" + aufnahme, {"--fast", "--ticks", QString::number(kTicks)}),
                      kopf.pfad("lauf"), {umgebung});
            ASSERT_EQ(p.warten(30s), 0) << p.fehlerAusgabe().data();
            EXPECT_TRUE(lies(aufnahme) == fenster) << "the headless frames differ from the window's";
        }
    }
}

// Folders where a FIFO stands in for a file the player reads: start-up goes on, SIGTERM
// ends it, the modules are blanked and the FIFO stays a FIFO (nothing saved over it).
TEST(Kopflos, FifoStattDateiHältNichtAufUndSigtermBeendet) {
    const char* const letzte = "Letzte Lauf-Liste";
    // (FIFO, files: name and content; "Letzte Lauf-Liste" names L, which plays P)
    const std::vector<std::pair<const char*, std::vector<std::pair<const char*, QByteArray>>>> fälle{
        {"P.LSL", {{letzte, "L\r\n"}, {"L.LAL", "P\r\n"}}},
        {"L.LAL", {{letzte, "L\r\n"}}},
        {letzte, {}},
        {"LED-Modul-Anordnung.txt", {{letzte, "L\r\n"}, {"L.LAL", "P\r\n"}, {"P.LSL", "Text=Hallo\r\nTemp=20\r\n"}}},
        {"rohr.bmp", {{letzte, "L\r\n"}, {"L.LAL", "P\r\n"}, {"P.LSL", "AuWa=1\r\nAniB=rohr.bmp/\r\nTemp=20\r\n"}}},
        {"rohr.txt", {{letzte, "L\r\n"}, {"L.LAL", "P\r\n"}, {"P.LSL", "TeDa=rohr.txt\r\nTemp=20\r\n"}}},
    };
    for (const auto& [fifo, dateien] : fälle) {
        SCOPED_TRACE(fifo);
        QTemporaryDir o, aus;
        for (const auto& [name, inhalt] : dateien) schreib(o.filePath(name), inhalt);
        ASSERT_EQ(::mkfifo(QFile::encodeName(o.filePath(fifo)).constData(), 0644), 0);
        const QString aufnahme = aus.filePath("draht.bin");
        Prozess p(kProgramm, kopflos(o.path(), "record:" + aufnahme), aus.filePath("lauf"));
        EXPECT_TRUE(QTest::qWaitFor([&] { return QFileInfo(aufnahme).size() >= kFrame; }, 20000)) << "start-up hangs";
        p.signal(SIGTERM);
        ASSERT_EQ(p.warten(20s), 0) << p.fehlerAusgabe().data();
        EXPECT_TRUE(lies(aufnahme).endsWith(dunkelBytes()));
        struct stat st {};
        ::lstat(QFile::encodeName(o.filePath(fifo)).constData(), &st);
        EXPECT_TRUE(S_ISFIFO(st.st_mode));
    }
}

// A full disk at shut-down: the run list and the remembered name stay byte for byte, and
// the player says on standard error which file it could not save and why (the run list,
// unchanged, is not written at all).
TEST(Kopflos, VolleFestplatteBeimHerunterfahren) {
    QTemporaryDir o;
    KleinesTmpfs voll(o.filePath("voll"));
    if (!voll.bereit) GTEST_SKIP() << "mounting a small tmpfs needs root";
    QByteArray liste;
    for (int i = 0; liste.size() < 15000; ++i) liste += "Darstellung " + QByteArray::number(i) + "\r\n";
    for (const QByteArray& inhalt : {QByteArray("Abend\r\nMorgen\r\n"), liste}) {
        SCOPED_TRACE(inhalt.size());
        for (const QString& n : QDir(voll.pfad).entryList(QDir::Files)) QFile::remove(voll.pfad + '/' + n);
        schreib(voll.pfad + "/L.LAL", inhalt);
        schreib(voll.pfad + "/Letzte Lauf-Liste", "L\r\n");
        voll.füllen();
        const QString aufnahme = o.filePath("draht.bin");
        QFile::remove(aufnahme);
        Prozess p(kProgramm, {"--headless", "--folder", voll.pfad, "--port", "record:" + aufnahme, "--ticks", "3", "--fast"},
                  o.filePath("lauf"));
        ASSERT_TRUE(p.warten(20s)) << "still running";
        const QByteArray fehler = p.fehlerAusgabe();
        EXPECT_EQ(leseDatei(voll.pfad + "/L.LAL", 1 << 20), inhalt);
        EXPECT_EQ(leseDatei(voll.pfad + "/Letzte Lauf-Liste", 1 << 20), QByteArray("L\r\n"));
        EXPECT_TRUE(fehler.contains("could not save \"Letzte Lauf-Liste\": No space left on device")) << fehler.data();
        EXPECT_FALSE(fehler.contains("L.LAL")) << "unchanged, the run list is not written at all";
        EXPECT_TRUE(lies(aufnahme).endsWith(dunkelBytes())) << "blanked all the same";
    }
}
