// The headless player as a service runs it, on folders where a FIFO stands in for a
// file: start-up goes on, SIGTERM ends it (in about a tenth of a second; the test allows five for loaded machines), and the modules are blanked.
#include "ModuleAusgeben.h"
#include "SichereDatei.h"
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>
#include <csignal>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace glanzzug;

namespace {
const QString kLetzte = QStringLiteral("Letzte Lauf-Liste");

struct Ordner {
    QTemporaryDir dir;
    QString pfad(const QString& name) const { return dir.filePath(name); }
    void datei(const QString& name, const QByteArray& inhalt) const {
        QFile d(pfad(name));
        ASSERT_TRUE(d.open(QIODevice::WriteOnly));
        ASSERT_EQ(d.write(inhalt), inhalt.size());
    }
    mutable QStringList fifos;
    void fifo(const QString& name) const {
        ASSERT_EQ(::mkfifo(QFile::encodeName(pfad(name)).constData(), 0644), 0);
        fifos << name;
    }
};

// The blanking at shut-down as it reaches the port: 1764 pulses (0, 1), then 128, 0.
QByteArray dunkel() {
    QByteArray b;
    for (int i = 0; i < 1764; ++i) b += QByteArray("\x00\x01", 2);
    return b + QByteArray("\x80\x00", 2);
}

// The player on `ordner`, recording the port into a file outside it.
struct Spieler {
    QTemporaryDir aufnahmeOrdner;
    QString aufnahme = aufnahmeOrdner.filePath(QStringLiteral("port"));
    QProcess p;
    explicit Spieler(const QString& ordner, const QStringList& mehr = {}) {
        p.start(QStringLiteral(GLANZZUG_PROGRAMM),
                QStringList{"--headless", "--port", "record:" + aufnahme, "--folder", ordner} + mehr);
    }
    ~Spieler() {
        if (p.state() != QProcess::NotRunning) {
            p.kill(); // only a hung player gets here
            p.waitForFinished(5000);
        }
    }
    qint64 bytes() const { return QFileInfo(aufnahme).size(); }
    // Waits until the port has seen at least one whole frame.
    bool spielt(int ms) {
        QElapsedTimer uhr;
        uhr.start();
        while (uhr.elapsed() < ms) {
            if (bytes() >= kFrameBytes) return true;
            QThread::msleep(20);
        }
        return false;
    }
};
} // namespace

TEST(Kopflos, FifoStattDateiHältNichtAufUndSigtermBeendet) {
    struct Fall {
        const char* ort;
        std::function<void(const Ordner&)> anlegen;
    };
    // "Letzte Lauf-Liste" names L, which plays the presentation P with these lines.
    const auto spielt = [](const Ordner& o, const QByteArray& darstellung) {
        o.datei(kLetzte, "L\r\n");
        o.datei(QStringLiteral("L.LAL"), "P\r\n");
        if (!darstellung.isEmpty()) o.datei(QStringLiteral("P.LSL"), darstellung);
    };
    const std::vector<Fall> fälle{
        {"presentation",
         [&](const Ordner& o) {
             spielt(o, {});
             o.fifo(QStringLiteral("P.LSL"));
         }},
        {"run list",
         [](const Ordner& o) {
             o.datei(kLetzte, "L\r\n");
             o.fifo(QStringLiteral("L.LAL"));
         }},
        {"remembered run list", [](const Ordner& o) { o.fifo(kLetzte); }},
        {"layout file",
         [&](const Ordner& o) {
             spielt(o, "Text=Hallo\r\nTemp=20\r\n");
             o.fifo(QStringLiteral("LED-Modul-Anordnung.txt"));
         }},
        {"picture",
         [&](const Ordner& o) {
             spielt(o, "AuWa=1\r\nAniB=rohr.bmp/\r\nTemp=20\r\n");
             o.fifo(QStringLiteral("rohr.bmp"));
         }},
        {"linked text file",
         [&](const Ordner& o) {
             spielt(o, "TeDa=rohr.txt\r\nTemp=20\r\n");
             o.fifo(QStringLiteral("rohr.txt"));
         }},
    };
    for (const Fall& fall : fälle) {
        SCOPED_TRACE(fall.ort);
        Ordner o;
        fall.anlegen(o);
        Spieler s(o.dir.path(), {"--quiet"});
        ASSERT_TRUE(s.p.waitForStarted());
        EXPECT_TRUE(s.spielt(5000)) << "no frame within 5 s: start-up hangs";
        ::kill(pid_t(s.p.processId()), SIGTERM);
        ASSERT_TRUE(s.p.waitForFinished(5000)) << "still running 5 s after SIGTERM: the open hangs";
        EXPECT_EQ(s.p.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(s.p.exitCode(), 0);
        const auto aufnahme = leseDatei(s.aufnahme, 1 << 30);
        ASSERT_TRUE(aufnahme);
        EXPECT_TRUE(aufnahme->endsWith(dunkel())) << "the record does not end with the blanking";
        // The FIFO is still a FIFO: nothing was saved over it.
        for (const QString& n : o.fifos) {
            struct stat st {};
            ::lstat(QFile::encodeName(o.pfad(n)).constData(), &st);
            EXPECT_TRUE(S_ISFIFO(st.st_mode)) << qPrintable(n);
        }
    }
}

// A full disk at shut-down: the run list and the remembered name stay byte for byte, and
// the player says on standard error which file it could not save and why (the run list,
// unchanged, is not written at all).
TEST(Kopflos, VolleFestplatteBeimHerunterfahren) {
    if (::geteuid() != 0) GTEST_SKIP() << "mounting a small tmpfs needs root";
    Ordner o;
    const QString punkt = o.pfad(QStringLiteral("voll"));
    QDir().mkdir(punkt);
    if (::mount("tmpfs", QFile::encodeName(punkt).constData(), "tmpfs", 0, "size=64k") != 0)
        GTEST_SKIP() << "cannot mount a tmpfs here: " << std::strerror(errno);
    struct Aushängen {
        QByteArray p;
        ~Aushängen() { ::umount2(p.constData(), MNT_DETACH); }
    } aus{QFile::encodeName(punkt)};
    QByteArray liste;
    for (int i = 0; liste.size() < 15000; ++i) liste += "Darstellung " + QByteArray::number(i) + "\r\n";
    liste.truncate(15000 - 2);
    liste += "\r\n"; // 15,000 bytes
    for (const QByteArray& inhalt : {QByteArray("Abend\r\nMorgen\r\n"), liste}) {
        SCOPED_TRACE(inhalt.size());
        QDir(punkt).removeRecursively();
        QDir().mkdir(punkt);
        const auto lege = [&](const char* name, const QByteArray& b) {
            QFile d(punkt + '/' + name);
            ASSERT_TRUE(d.open(QIODevice::WriteOnly));
            ASSERT_EQ(d.write(b), b.size());
        };
        lege("L.LAL", inhalt);
        lege("Letzte Lauf-Liste", "L\r\n");
        {
            QFile füller(punkt + "/rest");
            ASSERT_TRUE(füller.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
            const QByteArray block(4096, 'f');
            while (füller.write(block) == block.size()) {}
            while (füller.write(block.left(1)) == 1) {}
        }
        Spieler s(punkt, {"--ticks", "3", "--fast"});
        ASSERT_TRUE(s.p.waitForFinished(10000));
        const QString fehler = QString::fromUtf8(s.p.readAllStandardError());
        EXPECT_EQ(leseDatei(punkt + "/L.LAL", 1 << 20), inhalt);
        EXPECT_EQ(leseDatei(punkt + "/Letzte Lauf-Liste", 1 << 20), QByteArray("L\r\n"));
        EXPECT_FALSE(fehler.contains("L.LAL")) << "unchanged, the run list is not written at all";
        EXPECT_TRUE(fehler.contains("could not save \"Letzte Lauf-Liste\": No space left on device"))
            << fehler.toStdString();
        const auto aufnahme = leseDatei(s.aufnahme, 1 << 30);
        ASSERT_TRUE(aufnahme);
        EXPECT_TRUE(aufnahme->endsWith(dunkel())) << "blanked all the same";
    }
}
