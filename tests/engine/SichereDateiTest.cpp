// The safe writer and the reader of regular files (through the program's own start-up and
// shut-down on hostile folders: tests/presentations/HerunterfahrenTest.cpp; a full disk:
// tests/app).
#include "SichereDatei.h"
#include "TestHilfen.h"
#include <gtest/gtest.h>
#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>

using namespace glanzzug;
using namespace glanzzug::test;

namespace {
// Restores the system calls when a test ends, whatever it asserted.
struct SeamWeg {
    ~SeamWeg() { setzeSchreibSeam({}); }
};
int gemachteSchreibAufrufe = 0;
} // namespace

TEST(SichereDatei, FehlerBeimSchreibenOderSyncLassenDieAlteDateiStehen) {
    TestOrdner o;
    schreib("L.LAL", "Alt\r\nListe\r\n");
    SeamWeg weg;
    const QByteArray neu(15000, 'x');
    // Half a write, then a full disk; and a sync that fails.
    const SchreibSeam fehler[] = {{[](int fd, const void* daten, std::size_t n) -> ssize_t {
                                       if (gemachteSchreibAufrufe++ == 0) return ::write(fd, daten, n / 2);
                                       return errno = ENOSPC, -1;
                                   },
                                   nullptr},
                                  {nullptr, [](int) { return errno = EIO, -1; }}};
    for (const SchreibSeam& s : fehler) {
        gemachteSchreibAufrufe = 0;
        setzeSchreibSeam(s);
        EXPECT_FALSE(schreibeDatei("L.LAL", neu));
        EXPECT_EQ(lies("L.LAL"), "Alt\r\nListe\r\n");
        EXPECT_EQ(QDir().entryList(QDir::Files | QDir::Hidden), QStringList{"L.LAL"}); // no temporary file left
    }
    setzeSchreibSeam({});
    EXPECT_TRUE(schreibeDatei("L.LAL", neu));
    EXPECT_EQ(lies("L.LAL"), neu);
}

TEST(SichereDatei, LinksWerdenNurZuRegulärenDateienGefolgt) {
    TestOrdner o;
    schreib("echt.LAL", "alt\r\n");
    ::chmod("echt.LAL", 0640);
    ASSERT_EQ(::symlink("echt.LAL", "link.LAL"), 0);
    EXPECT_TRUE(schreibeDatei("link.LAL", "neu\r\n"));
    EXPECT_EQ(lies("echt.LAL"), "neu\r\n");
    EXPECT_TRUE(QFileInfo("link.LAL").isSymLink()) << "the link stays a link";
    struct stat st {};
    ::stat("echt.LAL", &st);
    EXPECT_EQ(st.st_mode & 0777, 0640u) << "the file keeps its mode";
    // A link to nothing, to a folder, a FIFO and a folder under the name: nothing is written.
    ::symlink("gibt-es-nicht", "ins-leere");
    QDir().mkdir("ordner");
    ::symlink("ordner", "zum-ordner");
    ASSERT_EQ(::mkfifo("fifo", 0644), 0);
    for (const char* p : {"ins-leere", "zum-ordner", "fifo", "ordner"}) EXPECT_FALSE(schreibeDatei(p, "x")) << p;
    EXPECT_FALSE(QFileInfo::exists("gibt-es-nicht"));
    ::lstat("fifo", &st);
    EXPECT_TRUE(S_ISFIFO(st.st_mode));
}

TEST(SichereDatei, LesenNimmtNurReguläreDateienBisZurGrenze) {
    TestOrdner o;
    schreib("a.LSL", "12345");
    ::symlink("a.LSL", "link.LSL");
    ASSERT_EQ(::mkfifo("fifo.LSL", 0644), 0); // a plain open() would block for ever
    const std::tuple<const char*, qint64, std::optional<QByteArray>> fälle[] = {
        {"a.LSL", 5, "12345"}, {"a.LSL", 4, std::nullopt}, {"link.LSL", 5, "12345"},
        {"leer", 5, std::nullopt}, {"fifo.LSL", 100, std::nullopt}, {".", 100, std::nullopt}};
    for (const auto& [name, grenze, inhalt] : fälle) EXPECT_EQ(leseDatei(name, grenze), inhalt) << name << " " << grenze;
}
