#include "Bilderliste.h"
#include "BildWeg.h"
#include "LaufListe.h"
#include "TestHilfen.h"
#include <QProcess>
#include <gtest/gtest.h>

using namespace glanzzug;
using namespace glanzzug::test;

namespace {
// A folder with three pictures and a text file, a window listing them, Start set.
struct Liste {
    TestOrdner ordner;
    TestFenster t;
    SkriptDialoge& dialoge = t.dialoge;
    Liste() {
        schreib(QStringLiteral("b.gif"), {});
        schreib(QStringLiteral("C.bmp"), {});
        schreib(QStringLiteral("notiz.txt"), "Erste Zeile\r\nzweite\r\n");
        EXPECT_TRUE(einfarbig(4, 4, RGB(255, 0, 0)).save(QStringLiteral("a.bmp")));
        t.f.AniFiles.aktualisieren();
        t.f.Start.setzeWert(1);
    }
    QStringList liste() const { return t.f.AniLi.einträge(); }
    void klick(Knopf Fenster::*knopf, int datei = -1, int eintrag = -1) {
        if (datei >= 0) t.f.AniFiles.setzeListIndex(datei);
        if (eintrag >= 0) t.f.AniLi.setzeListIndex(eintrag);
        (t.f.*knopf).klick();
    }
};
} // namespace

TEST(Bilderliste, EinfügenUndEntfernenAnDerAuswahlOderAmEnde) {
    Liste l;
    ASSERT_EQ(l.t.f.AniFiles.dateien(), (QStringList{"a.bmp", "b.gif", "C.bmp"}));
    l.klick(&Fenster::BildLöschen); // empty list: nothing but Start cleared
    EXPECT_EQ(l.t.f.Start.wert(), 0);
    l.t.f.AniLi.setzeEinträge({"x", "y", "z"});
    l.klick(&Fenster::BildEinfügen); // no file selected: nothing
    EXPECT_EQ(l.liste(), (QStringList{"x", "y", "z"}));
    l.klick(&Fenster::BildEinfügen, 1); // no entry selected: appended
    EXPECT_EQ(l.liste(), (QStringList{"x", "y", "z", "b.gif"}));
    l.klick(&Fenster::BildEinfügen, 2, 2); // before entry 2
    EXPECT_EQ(l.liste(), (QStringList{"x", "y", "C.bmp", "z", "b.gif"}));
    l.klick(&Fenster::BildLöschen, -1, 2);
    l.t.f.AniLi.setzeListIndex(-1);
    l.klick(&Fenster::BildLöschen); // no entry selected: the last
    EXPECT_EQ(l.liste(), (QStringList{"x", "y", "z"}));
}

TEST(Bilderliste, AlleGiltNurFürDieListeDerFrage) {
    // A shows its one picture once, then the playing run list moves on to B: one tick
    // while the question is open stays with A, three reach B. "No" changes nothing.
    const struct {
        Knopf Fenster::*knopf;
        int ticks;
        bool ja;
        QStringList liste;
        int start;
    } fälle[] = {
        {&Fenster::AlleBilderEinfügen, 1, true, {"a.bmp", "a.bmp", "b.gif", "C.bmp"}, 0},
        {&Fenster::AlleBilderEinfügen, 3, true, {"b.gif"}, 1}, // the answer was about A's list
        {&Fenster::AlleBilderEinfügen, 1, false, {"a.bmp"}, 1},
        {&Fenster::AlleBilderEntfernen, 1, true, {}, 1},
        {&Fenster::AlleBilderEntfernen, 3, true, {"b.gif"}, 1},
        {&Fenster::AlleBilderEntfernen, 1, false, {"a.bmp"}, 1},
    };
    for (const auto& fall : fälle) {
        Liste l;
        Fenster& f = l.t.f;
        f.DarstellungsEndung = QStringLiteral(".LSL");
        f.LaufListenEndung = QStringLiteral(".LAL");
        for (const char* n : {"A", "B"})
            schreib(n + QStringLiteral(".LSL"),
                    "AuWa=1\r\nAniB=" + QByteArray(n).toLower() + (*n == 'A' ? ".bmp/" : ".gif/"));
        schreib(QStringLiteral("AB.LAL"), "A\r\nB\r\n");
        f.AlleLL.setzeText(QStringLiteral("AB"));
        AlleLL_Click(f);
        ASSERT_EQ(l.liste(), QStringList{"a.bmp"});
        l.dialoge.ticksImDialog(f.T, fall.ticks);
        l.dialoge.antworten = {fall.ja};
        l.klick(fall.knopf);
        SCOPED_TRACE(testing::Message() << fall.ticks << fall.ja);
        EXPECT_EQ(f.AlleLS.text(), fall.ticks == 1 ? "A" : "B");
        EXPECT_EQ(l.liste(), fall.liste);
        EXPECT_EQ(f.Start.wert(), fall.start);
    }
}

TEST(Bilderliste, KlickInDieDateienZeigtOderVerknüpftText) {
    Liste l;
    l.t.f.AniFiles.setzeListIndex(0);
    EXPECT_EQ(l.t.f.Pic.punkt(3, 3), RGB(255, 0, 0));
    l.t.f.AniFiles.setzeMuster(QStringLiteral("*"));
    l.t.f.AniFiles.setzeListIndex(int(l.t.f.AniFiles.dateien().indexOf(QStringLiteral("notiz.txt"))));
    EXPECT_EQ(QStringList({l.t.f.DateiBenutzen.toolTip(), l.t.f.Txt.text()}),
              (QStringList{"notiz.txt", "Erste Zeile"}));
}

TEST(BildWeg, FragtUndLöschtDieDateiDerFrageWährendDasDisplayWeiterspielt) {
    // The scrolling text, the animation (of a.bmp) and an effect play on while the
    // question is open; the first two put their own text or picture name into the shared
    // working string at every step.
    for (int modus : {0, 1, 2}) {
        SCOPED_TRACE(modus);
        Liste l;
        l.t.f.AniLi.setzeEinträge({"a.bmp"});
        l.t.f.AusWal.wähle(modus);
        l.klick(&Fenster::BildWeg); // nothing selected: no question
        EXPECT_TRUE(l.dialoge.fragen.isEmpty());
        l.dialoge.ticksImDialog(l.t.f.T, 3);
        l.dialoge.antworten = {false, true};
        l.klick(&Fenster::BildWeg, 2);
        EXPECT_TRUE(QFile::exists(QStringLiteral("C.bmp")));
        const std::size_t vorher = l.t.port.schreiben.size();
        l.klick(&Fenster::BildWeg, 2);
        EXPECT_GT(l.t.port.schreiben.size(), vorher); // frames went out meanwhile
        EXPECT_EQ(l.dialoge.fragen, QStringList(2, "Wollen Sie das Bild C.bmp unwiederbringlich löschen?"));
        EXPECT_EQ(l.t.f.AniFiles.dateien(), (QStringList{"a.bmp", "b.gif"}));
        EXPECT_EQ(l.liste(), QStringList{"a.bmp"}); // the picture list keeps its names
        EXPECT_TRUE(l.dialoge.hinweise.isEmpty());
    }
}

// Nothing outside the folder, no folder, nothing missing; a link goes, not its target.
TEST(BildWeg, LöschtNurImOrdner) {
    TestOrdner o;
    QDir().mkpath(QStringLiteral("unter/tief"));
    schreib(QStringLiteral("a.bmp"), "x");
    schreib(QStringLiteral("unter/tief/y.bmp"), "y");
    QDir::setCurrent(QStringLiteral("unter")); // "../a.bmp" is the picture above
    for (const char* name : {"../a.bmp", "tief/y.bmp", "tief", "..", ".", "fehlt.bmp", ""})
        EXPECT_FALSE(ImOrdnerLöschen(QString::fromUtf8(name))) << name;
    EXPECT_TRUE(QFile::exists(QStringLiteral("../a.bmp")) && QFile::exists(QStringLiteral("tief/y.bmp")));
    ASSERT_TRUE(QFile::link(QStringLiteral("tief/y.bmp"), QStringLiteral("link.bmp")));
    EXPECT_TRUE(ImOrdnerLöschen(QStringLiteral("link.bmp")));
    EXPECT_TRUE(!QFileInfo(QStringLiteral("link.bmp")).isSymLink() &&
                QFile::exists(QStringLiteral("tief/y.bmp")));
}

TEST(BildWeg, FehlschlagWirdGemeldet) {
    Liste l;
    QFile::remove(QStringLiteral("a.bmp")); // gone since the list was read: refused before asking
    l.dialoge.antworten = {true};
    l.klick(&Fenster::BildWeg, 0);
    EXPECT_TRUE(l.dialoge.fragen.isEmpty());

    // A file that cannot be deleted: immutable where the file system allows it (root
    // ignores folder permissions), else in a folder without write permission.
    const auto schützen = [](bool an) {
        if (QProcess::execute(QStringLiteral("chattr"), {an ? "+i" : "-i", QStringLiteral("C.bmp")}) != 0)
            QFile::setPermissions(QStringLiteral("."), QFile::ReadOwner | QFile::ExeOwner |
                                                           (an ? QFile::Permissions() : QFile::WriteOwner));
    };
    schützen(true);
    l.klick(&Fenster::BildWeg, 2);
    const bool gelöscht = !QFile::exists(QStringLiteral("C.bmp"));
    schützen(false);
    if (gelöscht) GTEST_SKIP() << "no way to protect a file here";
    EXPECT_EQ(l.dialoge.fragen.size(), 1);
    EXPECT_EQ(l.dialoge.hinweise, QStringList{"Das Bild C.bmp konnte nicht gelöscht werden."});
    EXPECT_EQ(l.t.f.AniFiles.dateien(), (QStringList{"b.gif", "C.bmp"}));
}
