// A file changed on disk while the program holds an older copy is never written over:
// the run list at shut-down (the real program and SIGTERM, and a list changed in the
// window), "Speichern" with its question, and the folder listing after `touch -d`.
#include "DarstellungSpeichern.h"
#include "DateiZugriff.h"
#include "LaufListe.h"
#include "Prozess.h"
#include "TestHilfen.h"
#include <QTest>
#include <gtest/gtest.h>
#include <fcntl.h>
#include <sys/stat.h>

using namespace glanzzug;
using namespace glanzzug::test;
using namespace std::chrono_literals;

namespace {
const QByteArray kNeu = "Neu1\r\nNeu2\r\n";

// Replaces Demo.LAL as a person copying a new one in does: by rename, or in place.
void ersetzen(const QString& pfad, bool umbenennen) {
    if (!umbenennen) return schreib(pfad, kNeu);
    schreib(pfad + ".neu", kNeu);
    ASSERT_TRUE(QFile::remove(pfad) && QFile::rename(pfad + ".neu", pfad));
}

QStringList gesicherte() { return QDir().entryList({"Demo (gesichert *).LAL"}); }
} // namespace

TEST(Gesichert, KopflosBeendetOhneDieNeueLaufListeZuÜberschreiben) {
    for (bool umbenennen : {true, false}) {
        SCOPED_TRACE(umbenennen ? "by rename" : "in place");
        QTemporaryDir o;
        for (const char* n : {"Demo.LAL", "Willkommen.LSL", "LED-Modul-Anordnung.txt", "Letzte Lauf-Liste"})
            ASSERT_TRUE(QFile::copy(GLANZZUG_DEMO "/" + QString(n), o.filePath(n)));
        Prozess p(GLANZZUG_PROGRAMM, {"--headless", "--port", "none", "--folder", o.path()}, o.filePath("lauf"));
        ASSERT_TRUE(QTest::qWaitFor([&] { return p.fehlerAusgabe().contains("presentation"); }, 20000));
        ersetzen(o.filePath("Demo.LAL"), umbenennen);
        p.signal(SIGTERM);
        ASSERT_EQ(p.warten(10s), 0) << p.fehlerAusgabe().data();
        EXPECT_EQ(lies(o.filePath("Demo.LAL")), kNeu); // unchanged in the program: not saved
        EXPECT_TRUE(QDir(o.path()).entryList({"*gesichert*"}).isEmpty());
    }
}

TEST(Gesichert, GeänderteLaufListeKommtNebenDieNeueDatei) {
    for (bool umbenennen : {true, false}) {
        SCOPED_TRACE(umbenennen ? "by rename" : "in place");
        TestOrdner ordner;
        schreib("Demo.LAL", "Alt1\r\n");
        schreib("Letzte Lauf-Liste", "Demo\r\n");
        TestFenster w;
        QStringList protokoll;
        w.f.ablauf.protokoll = [&](const QString& z) { protokoll << z; };
        Form_Load(w.f);
        w.f.AlleLS.setzeText("Zwei");
        Einfügen_Click(w.f);
        ersetzen("Demo.LAL", umbenennen);
        Form_Unload(w.f);
        EXPECT_EQ(lies("Demo.LAL"), kNeu);
        ASSERT_EQ(gesicherte(), QStringList{"Demo (gesichert 2011-03-24 120000).LAL"});
        EXPECT_EQ(lies(gesicherte()[0]), "Zwei\r\nAlt1\r\n");
        EXPECT_TRUE(protokoll.join('\n').contains("Demo (gesichert 2011-03-24 120000).LAL")) << protokoll.join(QChar(10)).toStdString();
    }
}

// "Speichern" of a presentation and of a run list whose file changed since it was read.
TEST(Gesichert, SpeichernFragtVorDemÜberschreiben) {
    for (bool ja : {false, true}) {
        SCOPED_TRACE(ja ? "Yes" : "No");
        TestOrdner ordner;
        TestFenster w;
        Form_Load(w.f);
        schreib("A.LSL", "Text=alt\r\n");
        schreib("L.LAL", "A\r\n");
        w.f.AlleLL.setzeText("L");
        LaufListeLaden(w.f);
        Einfügen_Click(w.f);
        w.f.Txt.setzeText("im Fenster");
        schreib("A.LSL", "Text=neuer\r\n");
        schreib("L.LAL", "B\r\n");
        w.dialoge.antworten = {ja, ja};
        // The timer ticks on while the question is open; what the user saved is what was on show.
        w.dialoge.ticksImDialog(w.f.T, 3, [&] { w.f.Txt.setzeText("inzwischen"); });
        EXPECT_EQ(DarstellungSpeichern(w.f), ja);
        EXPECT_EQ(w.f.Statuszeile.text(), ja ? "„A“ gespeichert" : "„A“ nicht gespeichert: die Datei wurde inzwischen geändert");
        EXPECT_EQ(lies("A.LSL").contains("Text=im Fenster\r\n"), ja);
        EXPECT_EQ(LaufListeSchreiben(w.f), ja);
        EXPECT_EQ(lies("L.LAL"), ja ? "A\r\nA\r\n" : "B\r\n");
        EXPECT_EQ(w.dialoge.fragen, QStringList(2, "Die Datei wurde inzwischen geändert. Überschreiben?"));
        // Saved once, the file is the program's: no question the next time.
        if (ja) EXPECT_TRUE(DarstellungSpeichern(w.f) && w.dialoge.fragen.size() == 2);
    }
}

// A folder whose modification time was set back after a presentation was added still
// shows it: its change time moved on.
TEST(Gesichert, OrdnerMitZurückgesetzterZeitWirdNeuGelesen) {
    TestOrdner ordner;
    const timespec alt[2] = {{978307200, 0}, {978307200, 0}};
    ASSERT_EQ(::utimensat(AT_FDCWD, ".", alt, 0), 0); // as touch -d 2001-01-01 does
    EXPECT_EQ(dateiFinden("abend", ".LSL"), "abend.LSL"); // listed: nothing there
    struct stat vorher {}, nachher {};
    ::stat(".", &vorher);
    schreib("abend.lsl", "Text=x\r\n");
    // Set back until the change time shows the change (it moves in clock ticks).
    ASSERT_TRUE(QTest::qWaitFor([&] { return ::utimensat(AT_FDCWD, ".", alt, 0) == 0 && ::stat(".", &nachher) == 0 &&
                                      (nachher.st_ctim.tv_sec != vorher.st_ctim.tv_sec ||
                                       nachher.st_ctim.tv_nsec != vorher.st_ctim.tv_nsec); }, 2000));
    EXPECT_EQ(nachher.st_mtim.tv_sec, vorher.st_mtim.tv_sec);
    EXPECT_EQ(dateiFinden("abend", ".LSL"), "abend.lsl");
}
