#include "SichereDatei.h"
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <cerrno>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

using namespace glanzzug;

namespace {
QByteArray roh(const QString& pfad) {
    QFile f(pfad);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<fehlt>");
}
void lege(const QString& pfad, const QByteArray& bytes) {
    QFile f(pfad);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    ASSERT_EQ(f.write(bytes), bytes.size());
}
QByteArray c(const QString& s) { return QFile::encodeName(s); }
// Only the target itself: no temporary file may be left behind.
QStringList einträge(const QTemporaryDir& d) {
    return QDir(d.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot | QDir::System);
}

// Restores the system calls when a test ends, whatever it asserted.
struct SeamWeg {
    ~SeamWeg() { setzeSchreibSeam({}); }
};
int gemachteSchreibAufrufe = 0;
ssize_t halbUndVoll(int fd, const void* daten, std::size_t n) {
    if (gemachteSchreibAufrufe++ == 0) return ::write(fd, daten, n / 2);
    errno = ENOSPC;
    return -1;
}
int syncFehlt(int) {
    errno = EIO;
    return -1;
}
} // namespace

TEST(SichereDatei, FehlerBeimSchreibenOderSyncLassenDieAlteDateiStehen) {
    QTemporaryDir d;
    const QString pfad = d.filePath("L.LAL");
    lege(pfad, "Alt\r\nListe\r\n");
    SeamWeg weg;
    const QByteArray neu(15000, 'x');

    gemachteSchreibAufrufe = 0;
    setzeSchreibSeam({halbUndVoll, nullptr});
    EXPECT_FALSE(schreibeDatei(pfad, neu));
    EXPECT_EQ(roh(pfad), "Alt\r\nListe\r\n");

    setzeSchreibSeam({nullptr, syncFehlt});
    EXPECT_FALSE(schreibeDatei(pfad, neu));
    EXPECT_EQ(roh(pfad), "Alt\r\nListe\r\n");
    EXPECT_EQ(einträge(d), QStringList{"L.LAL"});

    setzeSchreibSeam({});
    EXPECT_TRUE(schreibeDatei(pfad, neu));
    EXPECT_EQ(roh(pfad), neu);
    EXPECT_EQ(einträge(d), QStringList{"L.LAL"});
}

TEST(SichereDatei, VolleDateisystemeZerstörenNichts) {
    if (::geteuid() != 0) GTEST_SKIP() << "mounting a small tmpfs needs root";
    QTemporaryDir d;
    const QString punkt = d.filePath("voll");
    QDir().mkpath(punkt);
    if (::mount("tmpfs", c(punkt).constData(), "tmpfs", 0, "size=64k") != 0)
        GTEST_SKIP() << "cannot mount a tmpfs here: " << std::strerror(errno);
    struct Aushängen {
        QByteArray p;
        ~Aushängen() { ::umount2(p.constData(), MNT_DETACH); }
    } aus{c(punkt)};

    const QString klein = punkt + "/L.LAL", groß = punkt + "/Gross.LAL";
    lege(klein, "Abend\r\nMorgen\r\n"); // 15 bytes
    lege(groß, QByteArray(15000, 'g'));
    // Fill what is left, block by block, until the disk says no.
    {
        QFile füller(punkt + "/rest");
        ASSERT_TRUE(füller.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
        const QByteArray block(4096, 'f');
        while (füller.write(block) == block.size()) {}
        while (füller.write(block.left(1)) == 1) {}
    }
    EXPECT_FALSE(schreibeDatei(klein, QByteArray(20000, 'n')));
    EXPECT_FALSE(schreibeDatei(groß, QByteArray(20000, 'n')));
    EXPECT_EQ(roh(klein), "Abend\r\nMorgen\r\n");
    EXPECT_EQ(roh(groß), QByteArray(15000, 'g'));
    const QStringList übrig = QDir(punkt).entryList(QDir::Files | QDir::Hidden, QDir::Name);
    EXPECT_EQ(übrig, (QStringList{"Gross.LAL", "L.LAL", "rest"}));
}

TEST(SichereDatei, LinksWerdenNurZuRegulärenDateienGefolgt) {
    QTemporaryDir d;
    const QString ziel = d.filePath("echt.LAL"), link = d.filePath("link.LAL");
    lege(ziel, "alt\r\n");
    ::chmod(c(ziel).constData(), 0640);
    ASSERT_EQ(::symlink("echt.LAL", c(link).constData()), 0);
    EXPECT_TRUE(schreibeDatei(link, "neu\r\n"));
    EXPECT_EQ(roh(ziel), "neu\r\n");
    QFileInfo nachher(link);
    EXPECT_TRUE(nachher.isSymLink()) << "the link stays a link";
    struct stat st {};
    ::stat(c(ziel).constData(), &st);
    EXPECT_EQ(st.st_mode & 0777, 0640u) << "the file keeps its mode";

    // A link to nothing, to a folder, and a FIFO under the name: nothing is written.
    const QString ins = d.filePath("ins-leere"), ordner = d.filePath("ordner"), fifo = d.filePath("fifo");
    ::symlink("gibt-es-nicht", c(ins).constData());
    QDir().mkdir(ordner);
    const QString zumOrdner = d.filePath("zum-ordner");
    ::symlink("ordner", c(zumOrdner).constData());
    ASSERT_EQ(::mkfifo(c(fifo).constData(), 0644), 0);
    for (const QString& p : {ins, zumOrdner, fifo, ordner}) EXPECT_FALSE(schreibeDatei(p, "x")) << qPrintable(p);
    EXPECT_FALSE(QFileInfo::exists(d.filePath("gibt-es-nicht")));
    ::lstat(c(fifo).constData(), &st);
    EXPECT_TRUE(S_ISFIFO(st.st_mode));

    // A device node of our own, behind a link: it must survive.
    if (::geteuid() == 0) {
        const QString knoten = d.filePath("null"), zumKnoten = d.filePath("Letzte Lauf-Liste");
        ASSERT_EQ(::mknod(c(knoten).constData(), S_IFCHR | 0666, makedev(1, 3)), 0);
        ::symlink("null", c(zumKnoten).constData());
        EXPECT_FALSE(schreibeDatei(zumKnoten, "Liste\r\n"));
        ::lstat(c(knoten).constData(), &st);
        EXPECT_TRUE(S_ISCHR(st.st_mode)) << "the device node is still a device node";
    }
}

TEST(SichereDatei, LesenNimmtNurReguläreDateienBisZurGrenze) {
    QTemporaryDir d;
    const QString datei = d.filePath("a.LSL");
    lege(datei, "12345");
    EXPECT_EQ(leseDatei(datei, 5), QByteArray("12345"));
    EXPECT_FALSE(leseDatei(datei, 4)) << "over the cap";
    EXPECT_EQ(leseDatei(d.filePath("leer"), 5), std::nullopt);

    // A FIFO with no writer would block a plain open() for ever.
    const QString fifo = d.filePath("fifo.LSL");
    ASSERT_EQ(::mkfifo(c(fifo).constData(), 0644), 0);
    EXPECT_FALSE(leseDatei(fifo, 1000));
    EXPECT_FALSE(leseDatei(d.path(), 1000)) << "a folder";
    const QString link = d.filePath("link.LSL");
    ::symlink("a.LSL", c(link).constData());
    EXPECT_EQ(leseDatei(link, 100), QByteArray("12345"));
    if (::geteuid() == 0) {
        const QString null = d.filePath("zero");
        ASSERT_EQ(::mknod(c(null).constData(), S_IFCHR | 0666, makedev(1, 5)), 0);
        EXPECT_FALSE(leseDatei(null, 1000)) << "an endless device";
    }
}
