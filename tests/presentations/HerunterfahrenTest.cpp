// Shut-down on hostile folders: no file the program did not read whole is cut, no link's
// target that is not a regular file is replaced, a full disk destroys nothing.
// Each case runs the program's own start-up and shut-down on a real folder.
#include "Anordnung.h"
#include "DateiZugriff.h"
#include "LaufListe.h"
#include "Prozess.h"
#include "SichereDatei.h"
#include "Umgebung.h"
#include <QCryptographicHash>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

using namespace glanzzug;
using namespace glanzzug::test;

namespace {
const QString kLetzte = QStringLiteral("Letzte Lauf-Liste");
const QString kEntwurf = QStringLiteral("Name der Laufliste"); // AlleLL's design text

// Start-up and shut-down of the program on the current folder; `dazwischen` runs in
// between. Returns what the program logged, as one text.
QString starteUndBeende(const std::function<void(Fenster&)>& dazwischen = {}) {
    QStringList protokoll;
    TestFenster w;
    w.f.ablauf.protokoll = [&protokoll](const QString& z) { protokoll << z; };
    Form_Load(w.f);
    if (dazwischen) dazwischen(w.f);
    Form_Unload(w.f);
    return protokoll.join('\n');
}

// Every entry of the folder: a link with its target, a file with a digest of its bytes
// (nodes are not read).
QStringList bestand() {
    QStringList b;
    for (const QFileInfo& i : QDir().entryInfoList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot)) {
        const bool datei = i.isFile() && !i.isSymLink();
        b << i.fileName() + ": " +
                 (datei ? QCryptographicHash::hash(lies(i.fileName()), QCryptographicHash::Md5).toHex()
                        : QFile::encodeName(i.isSymLink() ? "->" + i.symLinkTarget() : "node"));
    }
    return b;
}
} // namespace

// A run list that could not be read whole is not saved back, neither by "Speichern" nor at
// shut-down (it would come back cut short); once the user changes it, it is saved as shown.
TEST(Herunterfahren, TeilweiseGeleseneLaufListeBleibtStehen) {
    QByteArray viele;
    for (int i = 0; i < kMeisteLaufListenEinträge + 5; ++i) viele += "E" + QByteArray::number(i) + "\r\n";
    const std::tuple<const char*, QByteArray, int> fälle[] = {
        // (case, file, entries read)
        {"over the size cap", QByteArray(kGrößteDatei + 1, 'A'), 0},
        {"100,005 entries", viele, kMeisteLaufListenEinträge},
        {"an entry of 40,000 characters", "A\r\n" + QByteArray(40000, 'x') + "\r\nB\r\n", 3},
    };
    for (const auto& [was, inhalt, einträge] : fälle) {
        for (const bool ändern : {false, true}) {
            SCOPED_TRACE(std::string(was) + (ändern ? ", changed" : ", unchanged"));
            TestOrdner o;
            schreib(kLetzte, "L\r\n");
            schreib(QStringLiteral("L.LAL"), inhalt);
            const QStringList vorher = bestand();
            int gelesen = -1;
            const QString log = starteUndBeende([&](Fenster& f) {
                gelesen = f.LaufListe.anzahl();
                if (ändern)
                    Einfügen_Click(f);
                else
                    LaufListeSpeichern_Click(f); // "Speichern" writes nothing of a cut list
            });
            EXPECT_EQ(gelesen, einträge);
            EXPECT_TRUE(log.contains("could not be read whole")) << log.toStdString();
            if (!ändern) EXPECT_EQ(bestand(), vorher);
            if (ändern)
                EXPECT_EQ(lies(QStringLiteral("L.LAL")).count("\r\n"), einträge + 1) << "saved as shown";
        }
    }
}

// A missing run list is empty and read whole; unchanged, shut-down creates no file for it.
TEST(Herunterfahren, FehlendeLaufListeWirdNichtAngelegt) {
    TestOrdner o;
    schreib(kLetzte, "Neu\r\n");
    starteUndBeende([](Fenster& f) { EXPECT_EQ(f.LaufListeStand, Fenster::ListenStand::Ganz); });
    EXPECT_FALSE(QFileInfo::exists(QStringLiteral("Neu.LAL")));
}

// Links to something that is no regular file, and names that name no file: start-up
// treats them as unreadable, shut-down replaces nothing and creates no stray file.
TEST(Herunterfahren, LinksZuGerätenGroßeDateienUndNulImNamen) {
    const bool root = ::geteuid() == 0;
    const QByteArray groß(2'000'000, 'x');
    struct Fall {
        const char* was;
        std::vector<std::pair<QString, QByteArray>> dateien; // content "->x": a link to the device x
        QString alleLL;                                      // AlleLL after start-up
    } const fälle[] = {
        {"run list linked to a device", {{"L.LAL", "->null"}, {kLetzte, "L\r\n"}}, "L"},
        {"remembered run list and layout linked to an endless device",
         {{kLetzte, "->zero"}, {kAnordnungsDatei, "->zero"}},
         kEntwurf},
        {"remembered run list and layout file of 2 MB",
         {{kLetzte, "L\r\n" + groß},
          {kAnordnungsDatei, "Sichtbar\r\n 7\r\n 0\r\n" + QByteArray(2'000'000, '\n')}},
         kEntwurf},
        {"unreadable remembered run list beside a run list of the design name",
         {{kLetzte, groß}, {kEntwurf + ".LAL", "A\r\nB\r\n"}},
         kEntwurf},
        {"NUL in the remembered name", {{kLetzte, QByteArray("L\0x\r\n", 5)}, {"L.LAL", "A\r\n"}}, kEntwurf},
    };
    for (const Fall& fall : fälle) {
        SCOPED_TRACE(fall.was);
        TestOrdner o;
        schreib(QStringLiteral("A.LSL"), "Text=a\r\n");
        bool gerät = false;
        for (const auto& [name, inhalt] : fall.dateien) {
            if (!inhalt.startsWith("->")) {
                schreib(name, inhalt);
                continue;
            }
            gerät = true;
            if (!root) break; // device nodes need root
            const QByteArray knoten = inhalt.mid(2);
            if (!QFileInfo::exists(QString::fromLatin1(knoten)))
                ASSERT_EQ(::mknod(knoten.constData(), S_IFCHR | 0666, makedev(1, knoten == "null" ? 3 : 5)),
                          0);
            ASSERT_EQ(::symlink(knoten.constData(), QFile::encodeName(name).constData()), 0);
        }
        if (gerät && !root) continue;
        const QStringList vorher = bestand();
        starteUndBeende([&](Fenster& f) { EXPECT_EQ(f.AlleLL.text(), fall.alleLL); });
        // What shut-down may add: the design-text run list where there was none and, when
        // it was a plain file, the remembered name. Nothing else changes.
        QStringList nachher = bestand();
        const auto entwurf = [](const QString& z) { return z.startsWith(kEntwurf + ".LAL:"); };
        if (std::none_of(vorher.begin(), vorher.end(), entwurf)) nachher.removeIf(entwurf);
        QStringList erwartet = vorher;
        if (!QFileInfo(kLetzte).isSymLink()) {
            const auto letzte = [](const QString& z) { return z.startsWith(kLetzte + ":"); };
            erwartet.removeIf(letzte);
            nachher.removeIf(letzte);
            EXPECT_EQ(lies(kLetzte), (fall.alleLL + "\r\n").toLatin1());
        }
        EXPECT_EQ(nachher, erwartet);
    }
    if (!root) GTEST_SKIP() << "the device-node cases need root; the others passed";
}

// A full disk while a changed run list is saved: every file stays byte for byte as it
// was, and the failure is logged with the file and the reason (in German in the window's
// status line, for a "Speichern" the user asked for).
TEST(Herunterfahren, VolleFestplatteZerstörtNichts) {
    TestOrdner o;
    const KleinesTmpfs voll(o.ordner.filePath(QStringLiteral("voll")));
    if (!voll.bereit) GTEST_SKIP() << "mounting a small tmpfs needs root";
    QDir::setCurrent(voll.pfad);
    QByteArray groß;
    while (groß.size() < 15000) groß += "Darstellung" + QByteArray::number(groß.size()) + "\r\n";
    for (const auto& [liste, inhalt] : {std::pair{QStringLiteral("L"), QByteArray("Abend\r\nMorgen\r\n")},
                                        {QStringLiteral("Gross"), groß}}) {
        SCOPED_TRACE(liste.toStdString());
        for (const QString& n : QDir().entryList(QDir::Files)) QFile::remove(n);
        schreib(liste + ".LAL", inhalt);
        schreib(kLetzte, (liste + "\r\n").toLatin1());
        voll.füllen();
        const QString log = starteUndBeende([](Fenster& f) {
            EXPECT_EQ(f.LaufListeStand, Fenster::ListenStand::Ganz);
            EXPECT_FALSE(LaufListeSchreiben(f));
            EXPECT_EQ(f.Statuszeile.text(), "„" + f.AlleLL.text() + "“ nicht gespeichert: der Datenträger ist voll");
            f.LaufListeGeändert = true; // as after an edit, so that shut-down saves it
        });
        EXPECT_EQ(lies(liste + ".LAL"), inhalt);
        EXPECT_EQ(lies(kLetzte), (liste + "\r\n").toLatin1());
        for (const QString& datei : {liste + ".LAL", kLetzte})
            EXPECT_TRUE(log.contains("could not save \"" + datei + "\": No space left on device"))
                << log.toStdString();
    }
}
