// Shut-down on hostile folders: no file the program did not read whole is cut, no link's
// target that is not a regular file is replaced (the full disk: tests/app).
// Each case runs the program's own start-up and shut-down on a real folder.
#include "Anordnung.h"
#include "DateiZugriff.h"
#include "LaufListe.h"
#include "SichereDatei.h"
#include "Umgebung.h"
#include <QCryptographicHash>
#include <cerrno>
#include <pwd.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

using namespace glanzzug;
using namespace glanzzug::test;

namespace {
const QString kLetzte = QStringLiteral("Letzte Lauf-Liste");
const QString kEntwurf = QStringLiteral("Name der Laufliste"); // AlleLL's design text

QByteArray c(const QString& s) {
    return QFile::encodeName(s);
}

// Start-up and shut-down of the program on the current folder; `dazwischen` runs in
// between. Returns what the program logged.
QStringList starteUndBeende(const std::function<void(Fenster&)>& dazwischen = {}) {
    QStringList protokoll;
    TestFenster w;
    w.f.ablauf.protokoll = [&protokoll](const QString& z) { protokoll << z; };
    Form_Load(w.f);
    if (dazwischen) dazwischen(w.f);
    Form_Unload(w.f);
    return protokoll;
}

// Every file of the folder (links and nodes not followed) with a digest of its bytes.
QStringList bestand() {
    QStringList b;
    for (const QFileInfo& i : QDir().entryInfoList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                                                   QDir::Name)) {
        struct stat st {};
        ::lstat(c(i.fileName()).constData(), &st);
        QString art = S_ISLNK(st.st_mode) ? "link->" + i.symLinkTarget().section('/', -1)
                      : S_ISCHR(st.st_mode) ? QStringLiteral("device")
                      : S_ISFIFO(st.st_mode) ? QStringLiteral("fifo")
                                             : QString::fromLatin1(QCryptographicHash::hash(lies(i.fileName()),
                                                                                            QCryptographicHash::Md5)
                                                                       .toHex());
        b << i.fileName() + ": " + art;
    }
    return b;
}

// The user "nobody" for as long as the object lives (root only), so that file modes
// apply as they do to a normal user.
struct AlsNiemand {
    bool aktiv = false;
    explicit AlsNiemand(const QString& ordner) {
        if (::geteuid() != 0) return;
        const passwd* p = ::getpwnam("nobody");
        if (!p || ::chown(c(ordner).constData(), p->pw_uid, p->pw_gid) != 0) return;
        for (const QString& n : QDir(ordner).entryList(QDir::Files | QDir::Hidden))
            if (::chown(c(ordner + '/' + n).constData(), p->pw_uid, p->pw_gid) != 0) return;
        aktiv = ::setegid(p->pw_gid) == 0 && ::seteuid(p->pw_uid) == 0;
    }
    ~AlsNiemand() {
        if (aktiv) {
            [[maybe_unused]] const int a = ::seteuid(0), b = ::setegid(0);
        }
    }
};

QByteArray zeilen(int anzahl) {
    QByteArray b;
    for (int i = 0; i < anzahl; ++i) b += "E" + QByteArray::number(i) + "\r\n";
    return b;
}
} // namespace

// A run list that could not be read whole is not saved back at shut-down (it would come
// back cut short); once the user changes the list, it is saved as shown.
TEST(Herunterfahren, TeilweiseGeleseneLaufListeBleibtStehen) {
    struct Fall {
        const char* was;
        QByteArray inhalt;
        int einträge;      // entries read
        bool nurSchreiben; // the file may be written but not read
    };
    const std::vector<Fall> fälle{
        {"over the size cap", QByteArray(kGrößteDatei + 1, 'A'), 0, false},
        {"100,005 entries", zeilen(kMeisteLaufListenEinträge + 5), kMeisteLaufListenEinträge, false},
        {"an entry of 40,000 characters", "A\r\n" + QByteArray(40000, 'x') + "\r\nB\r\n", 3, false},
        {"writable, not readable", "A\r\nB\r\n", 0, true},
    };
    bool übersprungen = false;
    for (const Fall& fall : fälle) {
        for (const bool ändern : {false, true}) {
            SCOPED_TRACE(std::string(fall.was) + (ändern ? ", changed" : ", unchanged"));
            TestOrdner o;
            schreib(kLetzte, "L\r\n");
            schreib(QStringLiteral("L.LAL"), fall.inhalt);
            if (fall.nurSchreiben) ::chmod("L.LAL", 0200);
            const QStringList vorher = bestand();
            int gelesen = -1;
            QStringList log;
            {
                AlsNiemand n(o.ordner.path());
                if (fall.nurSchreiben && ::geteuid() == 0) {
                    übersprungen = true; // root reads every file
                    continue;
                }
                log = starteUndBeende([&](Fenster& f) {
                    gelesen = f.LaufListe.anzahl();
                    if (ändern) Einfügen_Click(f);
                });
            }
            EXPECT_EQ(gelesen, fall.einträge);
            EXPECT_TRUE(log.join('\n').contains("could not be read whole")) << log.join('\n').toStdString();
            if (!ändern) {
                EXPECT_EQ(bestand(), vorher);
                continue;
            }
            ::chmod("L.LAL", 0644);
            const auto neu = leseDatei(QStringLiteral("L.LAL"), kGrößteDatei);
            ASSERT_TRUE(neu);
            EXPECT_EQ(neu->count("\r\n"), fall.einträge + 1) << "the changed list is saved as shown";
        }
    }
    if (übersprungen) GTEST_SKIP() << "could not run as user nobody: the unreadable file was not tried";
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
    struct Fall {
        const char* was;
        std::function<void()> anlegen;
        bool nurRoot;
        QString alleLL; // AlleLL after start-up
    };
    const auto knoten = [](const char* name, int minor) {
        ASSERT_EQ(::mknod(name, S_IFCHR | 0666, makedev(1, minor)), 0);
    };
    const auto link = [](const char* ziel, const QString& name) { ASSERT_EQ(::symlink(ziel, c(name).constData()), 0); };
    const std::vector<Fall> fälle{
        {"run list linked to a device",
         [&] {
             knoten("null", 3);
             link("null", QStringLiteral("L.LAL"));
             schreib(kLetzte, "L\r\n");
         },
         true, "L"},
        {"remembered run list linked to a device",
         [&] {
             knoten("null", 3);
             link("null", kLetzte);
         },
         true, kEntwurf},
        {"remembered run list and layout linked to an endless device",
         [&] {
             knoten("zero", 5);
             link("zero", kLetzte);
             link("zero", kAnordnungsDatei);
         },
         true, kEntwurf},
        {"remembered run list and layout file of 2 MB",
         [] {
             schreib(kLetzte, "L\r\n" + QByteArray(2'000'000, 'x'));
             schreib(kAnordnungsDatei, ("Sichtbar\r\n 7\r\n 0\r\n" + QByteArray(2'000'000, '\n')));
         },
         false, kEntwurf},
        {"unreadable remembered run list beside a run list of the design name",
         [] {
             schreib(kLetzte, QByteArray(2'000'000, 'x'));
             schreib(kEntwurf + ".LAL", "A\r\nB\r\n");
         },
         false, kEntwurf},
        {"NUL in the remembered name",
         [] {
             schreib(kLetzte, QByteArray("L\0x\r\n", 5));
             schreib(QStringLiteral("L.LAL"), "A\r\n");
         },
         false, kEntwurf},
    };
    for (const Fall& fall : fälle) {
        SCOPED_TRACE(fall.was);
        if (fall.nurRoot && !root) continue; // device nodes need root
        TestOrdner o;
        schreib(QStringLiteral("A.LSL"), "Text=a\r\n");
        fall.anlegen();
        const QStringList vorher = bestand();
        starteUndBeende([&](Fenster& f) { EXPECT_EQ(f.AlleLL.text(), fall.alleLL); });
        // What shut-down may add: the design-text run list where there was none and, when
        // it was a plain file, the remembered name. Nothing else changes.
        QStringList nachher = bestand();
        const auto entwurf = [](const QString& z) { return z.startsWith(kEntwurf + ".LAL:"); };
        if (std::none_of(vorher.begin(), vorher.end(), entwurf)) nachher.removeIf(entwurf);
        QStringList erwartet = vorher;
        if (!QFileInfo(kLetzte).isSymLink()) {
            erwartet.removeIf([](const QString& z) { return z.startsWith(kLetzte + ":"); });
            nachher.removeIf([](const QString& z) { return z.startsWith(kLetzte + ":"); });
            EXPECT_EQ(lies(kLetzte), (fall.alleLL + "\r\n").toLatin1());
        }
        EXPECT_EQ(nachher, erwartet);
    }
    if (!root) GTEST_SKIP() << "the device-node cases need root; the others passed";
}

// A disk that is full, or a write that fails: every file stays byte for byte as it was,
// and the failure is logged with the file and the reason.
TEST(Herunterfahren, VolleFestplatteZerstörtNichts) {
    const QByteArray klein = "Abend\r\nMorgen\r\n"; // 15 bytes
    QByteArray groß;
    while (groß.size() < 15000) groß += "Darstellung" + QByteArray::number(groß.size()) + "\r\n";
    // Runs the program with `liste` remembered; its file and "Letzte Lauf-Liste" must
    // come through shut-down unchanged, and both failures are logged.
    const auto prüfe = [](const QString& liste, const QByteArray& inhalt) {
        SCOPED_TRACE(liste.toStdString());
        const QStringList log = starteUndBeende([](Fenster& f) {
            EXPECT_GT(f.LaufListe.anzahl(), 0);
            EXPECT_EQ(f.LaufListeStand, Fenster::ListenStand::Ganz);
            f.LaufListeGeändert = true; // as after an edit, so that shut-down saves it
        });
        EXPECT_EQ(lies(liste + ".LAL"), inhalt);
        EXPECT_EQ(lies(kLetzte), (liste + "\r\n").toLatin1());
        const QString text = log.join('\n');
        for (const QString& datei : {liste + ".LAL", kLetzte})
            EXPECT_TRUE(text.contains("could not save \"" + datei + "\": No space left on device"))
                << text.toStdString();
    };
    const auto anlegen = [&](const QString& liste) {
        schreib(QStringLiteral("L.LAL"), klein);
        schreib(QStringLiteral("Gross.LAL"), groß);
        schreib(kLetzte, (liste + "\r\n").toLatin1());
    };

    {
        // Every write stops with "no space" (injected).
        TestOrdner o;
        struct SeamWeg {
            ~SeamWeg() { setzeSchreibSeam({}); }
        } weg;
        for (const auto& [liste, inhalt] : {std::pair{QStringLiteral("L"), klein}, {QStringLiteral("Gross"), groß}}) {
            anlegen(liste);
            setzeSchreibSeam({[](int, const void*, std::size_t) -> ssize_t {
                                  errno = ENOSPC;
                                  return -1;
                              },
                              nullptr});
            prüfe(liste, inhalt);
            setzeSchreibSeam({});
        }
    }

    if (::geteuid() != 0) GTEST_SKIP() << "mounting a small tmpfs needs root; the injected failure passed";
    TestOrdner o;
    QDir().mkdir(QStringLiteral("voll"));
    if (::mount("tmpfs", "voll", "tmpfs", 0, "size=64k") != 0)
        GTEST_SKIP() << "cannot mount a tmpfs here: " << std::strerror(errno);
    struct Aushängen {
        QByteArray p;
        ~Aushängen() { ::umount2(p.constData(), MNT_DETACH); }
    } aus{c(QDir::current().filePath(QStringLiteral("voll")))};
    QDir::setCurrent(QStringLiteral("voll"));
    for (const auto& [liste, inhalt] : {std::pair{QStringLiteral("L"), klein}, {QStringLiteral("Gross"), groß}}) {
        QFile::remove(QStringLiteral("rest"));
        anlegen(liste);
        // Fill what is left, block by block, until the disk says no.
        QFile füller(QStringLiteral("rest"));
        ASSERT_TRUE(füller.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
        const QByteArray block(4096, 'f');
        while (füller.write(block) == block.size()) {}
        while (füller.write(block.left(1)) == 1) {}
        füller.close();
        prüfe(liste, inhalt);
    }
    QDir::setCurrent(o.ordner.path());
}
