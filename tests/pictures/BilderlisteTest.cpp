#include "Bilderliste.h"
#include "BildWeg.h"
#include "SkriptDialoge.h"
#include "TestFenster.h"
#include <QFile>
#include <QProcess>
#include <gtest/gtest.h>

using namespace glanzzug;
using glanzzug::test::einfarbig;
using glanzzug::test::SkriptDialoge;
using glanzzug::test::TestFenster;
using glanzzug::test::TestOrdner;

namespace {
// A folder with three pictures and a text file, and a window listing them.
struct Liste {
    TestOrdner ordner;
    SkriptDialoge dialoge;
    TestFenster t;
    Liste() {
        for (const char* n : {"a.bmp", "b.gif", "C.bmp"}) {
            QFile d(QString::fromUtf8(n));
            EXPECT_TRUE(d.open(QIODevice::WriteOnly));
        }
        EXPECT_TRUE(einfarbig(4, 4, RGB(255, 0, 0)).save(QStringLiteral("a.bmp")));
        QFile text(QStringLiteral("notiz.txt"));
        EXPECT_TRUE(text.open(QIODevice::WriteOnly));
        text.write("Erste Zeile\r\nzweite\r\n");
        text.close();
        t.f.dialoge = &dialoge;
        t.f.AniFiles.aktualisieren();
        t.f.Start.setzeWert(1);
    }
    void füllen(const QStringList& namen) { t.f.AniLi.setzeEinträge(namen); }
    QStringList liste() const { return t.f.AniLi.einträge(); }
};
} // namespace

TEST(Bilderliste, EinfügenAmEndeOderVorDerAuswahl) {
    Liste l;
    ASSERT_EQ(l.t.f.AniFiles.dateien(), (QStringList{"a.bmp", "b.gif", "C.bmp"}));
    l.füllen({"x", "y", "z"});
    l.t.f.BildEinfügen.klick(); // nothing selected in AniFiles: nothing but Start cleared
    EXPECT_EQ(l.liste(), (QStringList{"x", "y", "z"}));
    EXPECT_EQ(l.t.f.Start.wert(), 0);

    l.t.f.AniFiles.setzeListIndex(1);
    l.t.f.BildEinfügen.klick(); // nothing selected in AniLi: appended
    EXPECT_EQ(l.liste(), (QStringList{"x", "y", "z", "b.gif"}));
    l.t.f.AniLi.setzeListIndex(2);
    l.t.f.AniFiles.setzeListIndex(2);
    l.t.f.BildEinfügen.klick(); // at index 2, "z" moves down
    EXPECT_EQ(l.liste(), (QStringList{"x", "y", "C.bmp", "z", "b.gif"}));
}

TEST(Bilderliste, EntfernenDieAuswahlOderDasLetzte) {
    Liste l;
    l.t.f.BildLöschen.klick(); // empty list: nothing
    EXPECT_TRUE(l.liste().isEmpty());
    EXPECT_EQ(l.t.f.Start.wert(), 0);
    l.füllen({"x", "y", "z", "y"});
    l.t.f.BildLöschen.klick();
    EXPECT_EQ(l.liste(), (QStringList{"x", "y", "z"}));
    l.t.f.AniLi.setzeListIndex(1);
    l.t.f.BildLöschen.klick();
    EXPECT_EQ(l.liste(), (QStringList{"x", "z"}));
}

TEST(Bilderliste, AlleEinfügenUndAlleEntfernenFragenErst) {
    Liste l;
    l.füllen({"x"});
    l.dialoge.antworten = {false};
    l.t.f.AlleBilderEinfügen.klick();
    EXPECT_EQ(l.liste(), QStringList{"x"});
    EXPECT_EQ(l.t.f.Start.wert(), 1); // "No" leaves Start as it was
    EXPECT_EQ(l.dialoge.fragen, QStringList{"Alle Bilder in die Bilder-Liste einfügen ?"});
    EXPECT_EQ(l.dialoge.symbole.back(), Dialoge::Symbol::Frage);

    l.dialoge.antworten = {true};
    l.t.f.AlleBilderEinfügen.klick();
    EXPECT_EQ(l.liste(), (QStringList{"x", "a.bmp", "b.gif", "C.bmp"}));
    EXPECT_EQ(l.t.f.Start.wert(), 0);

    l.t.f.Start.setzeWert(1);
    l.dialoge.antworten = {false, true};
    l.t.f.AlleBilderEntfernen.klick();
    EXPECT_EQ(l.liste().size(), 4);
    l.t.f.AlleBilderEntfernen.klick();
    EXPECT_TRUE(l.liste().isEmpty());
    EXPECT_EQ(l.dialoge.fragen.back(), QStringLiteral("Bilder-Liste Löschen ?"));
    EXPECT_EQ(l.dialoge.symbole.back(), Dialoge::Symbol::Kritisch);
    EXPECT_EQ(l.t.f.Start.wert(), 1);

    // An empty folder asks nothing.
    TestOrdner leer;
    l.t.f.AniFiles.aktualisieren();
    l.t.f.AlleBilderEinfügen.klick();
    EXPECT_EQ(l.dialoge.fragen.size(), 4);
}

TEST(Bilderliste, KlickInDieDateienZeigtOderVerknüpftText) {
    Liste l;
    l.t.f.Start.setzeWert(0);
    l.t.f.AniFiles.setzeListIndex(0);
    EXPECT_EQ(l.t.f.Arbeitstext, QStringLiteral("a.bmp"));
    EXPECT_EQ(l.t.f.Pic.punkt(3, 3), RGB(255, 0, 0));

    l.t.f.AniFiles.setzeMuster(QStringLiteral("*"));
    l.t.f.Pic.leeren();
    l.t.f.Pic.entferneHintergrundBild();
    l.t.f.AniFiles.setzeListIndex(l.t.f.AniFiles.dateien().indexOf(QStringLiteral("notiz.txt")));
    EXPECT_EQ(l.t.f.DateiBenutzen.toolTip(), QStringLiteral("notiz.txt"));
    EXPECT_EQ(l.t.f.Txt.text(), QStringLiteral("Erste Zeile"));
    EXPECT_EQ(l.t.f.Pic.punkt(3, 3), 0);
}

TEST(BildWeg, FragtUndLöschtNurImOrdner) {
    Liste l;
    l.füllen({"b.gif"});
    l.t.f.BildWeg.klick(); // nothing selected: no question
    EXPECT_TRUE(l.dialoge.fragen.isEmpty());

    l.t.f.AniFiles.setzeListIndex(1);
    l.dialoge.antworten = {false};
    l.t.f.BildWeg.klick();
    EXPECT_EQ(l.dialoge.fragen, QStringList{"Wollen Sie das Bild b.gif unwiederbringlich löschen?"});
    EXPECT_EQ(l.dialoge.symbole.back(), Dialoge::Symbol::Kritisch);
    EXPECT_TRUE(QFile::exists(QStringLiteral("b.gif")));

    l.t.f.AniFiles.setzeListIndex(1);
    l.dialoge.antworten = {true};
    l.t.f.BildWeg.klick();
    EXPECT_FALSE(QFile::exists(QStringLiteral("b.gif")));
    EXPECT_EQ(l.t.f.AniFiles.dateien(), (QStringList{"a.bmp", "C.bmp"}));
    EXPECT_EQ(l.liste(), QStringList{"b.gif"}); // the picture list keeps the name
    EXPECT_TRUE(l.dialoge.hinweise.isEmpty());
}

TEST(BildWeg, NamenAußerhalbUndVerknüpfungen) {
    Liste l;
    QDir().mkdir(QStringLiteral("unter"));
    QFile::copy(QStringLiteral("a.bmp"), QStringLiteral("unter/z.bmp"));
    EXPECT_FALSE(LöschbarImOrdner(QStringLiteral("../a.bmp")));
    EXPECT_FALSE(LöschbarImOrdner(QStringLiteral("unter/z.bmp")));
    EXPECT_FALSE(LöschbarImOrdner(QStringLiteral("unter")));
    EXPECT_FALSE(LöschbarImOrdner(QStringLiteral("..")));
    EXPECT_FALSE(LöschbarImOrdner(QStringLiteral("fehlt.bmp")));
    EXPECT_FALSE(ImOrdnerLöschen(QStringLiteral("unter/z.bmp")));
    EXPECT_TRUE(QFile::exists(QStringLiteral("unter/z.bmp")));

    // A link in the folder goes; what it points to stays.
    ASSERT_TRUE(QFile::link(QStringLiteral("unter/z.bmp"), QStringLiteral("link.bmp")));
    l.t.f.AniFiles.aktualisieren();
    l.t.f.AniFiles.setzeListIndex(l.t.f.AniFiles.dateien().indexOf(QStringLiteral("link.bmp")));
    l.dialoge.antworten = {true};
    l.t.f.BildWeg.klick();
    EXPECT_FALSE(QFileInfo(QStringLiteral("link.bmp")).isSymLink());
    EXPECT_TRUE(QFile::exists(QStringLiteral("unter/z.bmp")));
}

TEST(BildWeg, FehlschlagWirdGemeldetUndDasProgrammLäuftWeiter) {
    Liste l;
    l.t.f.AniFiles.setzeListIndex(0);
    QFile::remove(QStringLiteral("a.bmp")); // gone meanwhile
    l.dialoge.antworten = {true};
    l.t.f.BildWeg.klick();
    // The stale name is refused before asking; the list is as it was.
    EXPECT_TRUE(l.dialoge.fragen.isEmpty());

    // A file that cannot be deleted: immutable where the file system allows it (root
    // ignores folder permissions), else in a folder without write permission.
    QDir().mkdir(QStringLiteral("fest"));
    QFile::copy(QStringLiteral("C.bmp"), QStringLiteral("fest/d.bmp"));
    const bool unveränderlich = QProcess::execute(QStringLiteral("chattr"),
                                                  {QStringLiteral("+i"), QStringLiteral("fest/d.bmp")}) == 0;
    if (!unveränderlich) QFile::setPermissions(QStringLiteral("fest"), QFile::ReadOwner | QFile::ExeOwner);
    const QString vorher = QDir::currentPath();
    QDir::setCurrent(QStringLiteral("fest"));
    l.t.f.AniFiles.aktualisieren();
    l.t.f.AniFiles.setzeListIndex(0);
    l.dialoge.antworten = {true};
    l.t.f.BildWeg.klick();
    const bool gelöscht = !QFile::exists(QStringLiteral("d.bmp"));
    const QStringList gelistet = l.t.f.AniFiles.dateien();
    QDir::setCurrent(vorher);
    if (unveränderlich)
        QProcess::execute(QStringLiteral("chattr"), {QStringLiteral("-i"), QStringLiteral("fest/d.bmp")});
    else
        QFile::setPermissions(QStringLiteral("fest"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    if (gelöscht) GTEST_SKIP() << "no way to protect a file here";
    EXPECT_EQ(l.dialoge.hinweise, QStringList{"Das Bild d.bmp konnte nicht gelöscht werden."});
    EXPECT_EQ(gelistet, QStringList{"d.bmp"});
}

TEST(BilderAnpassen, BildGrößeFolgtDemSchalter) {
    TestFenster t(42, 7);
    t.f.BilderAnpassen.setzeWert(1);
    EXPECT_EQ(t.f.Bild.breite(), 120);
    EXPECT_EQ(t.f.Bild.höhe(), 120);
    t.f.BilderAnpassen.setzeWert(0);
    EXPECT_EQ(t.f.Bild.breite(), 42);
    EXPECT_EQ(t.f.Bild.höhe(), 7);
}
