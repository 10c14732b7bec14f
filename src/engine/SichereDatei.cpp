#include "SichereDatei.h"
#include <QFile>
#include <cerrno>
#include <climits>
#include <cstring>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace glanzzug {

namespace {
SchreibSeam seam;

ssize_t schreibeRoh(int fd, const void* daten, std::size_t anzahl) {
    return seam.schreiben ? seam.schreiben(fd, daten, anzahl) : ::write(fd, daten, anzahl);
}
int synchronisiere(int fd) { return seam.synchronisieren ? seam.synchronisieren(fd) : ::fsync(fd); }

// Closes the descriptor when the scope ends.
struct Deskriptor {
    int fd = -1;
    ~Deskriptor() {
        if (fd >= 0) ::close(fd);
    }
    int freigeben() {
        const int f = fd;
        fd = -1;
        return f;
    }
};

bool gültigerName(const QString& pfad) { return !pfad.isEmpty() && !pfad.contains(QChar(0)); }

// Opens a regular file for reading without blocking; -1 for anything else. `st` receives
// its status.
int öffneRegulär(const QString& pfad, struct stat& st) {
    if (!gültigerName(pfad)) return -1;
    Deskriptor d;
    d.fd = ::open(QFile::encodeName(pfad).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (d.fd < 0) return -1;
    if (::fstat(d.fd, &st) != 0 || !S_ISREG(st.st_mode)) return -1;
    return d.freigeben();
}

ssize_t liesBlock(int fd, char* block, std::size_t größe) {
    for (;;) {
        const ssize_t n = ::read(fd, block, größe);
        if (n >= 0 || errno != EINTR) return n;
    }
}

// The file a save must replace: the name itself, or the regular file a symbolic link
// leads to. Nothing when the name or the link's end is no regular file (a missing name is
// fine: it is created). `alt` receives the old file's status when there is one.
std::optional<QByteArray> zielDerSicherung(const QByteArray& name, struct stat& alt, bool& vorhanden) {
    struct stat l {};
    vorhanden = false;
    if (::lstat(name.constData(), &l) != 0) {
        if (errno != ENOENT) return std::nullopt;
        return name;
    }
    if (S_ISLNK(l.st_mode)) {
        char echt[PATH_MAX];
        if (!::realpath(name.constData(), echt)) return std::nullopt; // dangling or looping
        if (::stat(echt, &alt) != 0 || !S_ISREG(alt.st_mode)) return std::nullopt;
        vorhanden = true;
        return QByteArray(echt);
    }
    if (!S_ISREG(l.st_mode)) return std::nullopt;
    alt = l;
    vorhanden = true;
    return name;
}

QByteArray ordnerVon(const QByteArray& pfad) {
    const qsizetype schnitt = pfad.lastIndexOf('/');
    if (schnitt < 0) return QByteArrayLiteral(".");
    if (schnitt == 0) return QByteArrayLiteral("/");
    return pfad.left(schnitt);
}

bool allesSchreiben(int fd, QByteArrayView inhalt) {
    const char* p = inhalt.data();
    qsizetype rest = inhalt.size();
    while (rest > 0) {
        const ssize_t n = schreibeRoh(fd, p, std::size_t(rest));
        if (n < 0 && errno == EINTR) continue;
        if (n == 0) errno = ENOSPC; // a write that takes nothing: the disk is full
        if (n <= 0) return false;
        p += n;
        rest -= n;
    }
    return true;
}
} // namespace

void setzeSchreibSeam(const SchreibSeam& s) { seam = s; }

std::optional<QByteArray> leseDatei(const QString& pfad, qint64 höchstens) {
    if (höchstens < 0) return std::nullopt;
    struct stat st {};
    Deskriptor d;
    d.fd = öffneRegulär(pfad, st);
    if (d.fd < 0 || st.st_size > höchstens) return std::nullopt;
    QByteArray inhalt;
    inhalt.reserve(qsizetype(st.st_size));
    char block[64 * 1024];
    for (;;) {
        const ssize_t n = liesBlock(d.fd, block, sizeof block);
        if (n < 0) return std::nullopt;
        if (n == 0) break;
        if (inhalt.size() + n > höchstens) return std::nullopt; // it grew while being read
        inhalt.append(block, qsizetype(n));
    }
    return inhalt;
}

bool leseBlockweise(const QString& pfad, const std::function<bool(QByteArrayView)>& nimm) {
    struct stat st {};
    Deskriptor d;
    d.fd = öffneRegulär(pfad, st);
    if (d.fd < 0) return false;
    char block[4096];
    for (;;) {
        const ssize_t n = liesBlock(d.fd, block, sizeof block);
        if (n < 0) return false;
        if (n == 0 || !nimm(QByteArrayView(block, n))) return true;
    }
}

namespace {
// Why a write failed, in the words the window and the page use; the error number for
// what a user is unlikely to meet.
QString aufDeutsch(int nummer) {
    struct Satz {
        int nummer;
        const char16_t* text;
    };
    static constexpr Satz kSätze[] = {
        {ENOSPC, u"der Datenträger ist voll"},
        {EDQUOT, u"der Speicherplatz des Benutzers ist aufgebraucht"},
        {EFBIG, u"die Datei ist zu groß für den Datenträger"},
        {EROFS, u"der Datenträger ist schreibgeschützt"},
        {EACCES, u"keine Berechtigung zum Schreiben in diesen Ordner"},
        {EPERM, u"keine Berechtigung zum Schreiben in diesen Ordner"},
        {ENOENT, u"den Ordner gibt es nicht"},
        {ENOTDIR, u"den Ordner gibt es nicht"},
        {ENAMETOOLONG, u"der Name ist zu lang"},
        {EIO, u"der Datenträger meldet einen Lese- oder Schreibfehler"},
    };
    for (const Satz& s : kSätze)
        if (s.nummer == nummer) return QString::fromUtf16(s.text);
    return QStringLiteral("Fehler Nummer %1 des Betriebssystems").arg(nummer);
}
} // namespace

bool schreibeDatei(const QString& pfad, QByteArrayView inhalt, SchreibFehler* fehler) {
    const auto ablehnen = [fehler](int nummer, const QString& worte, const QString& deutsch) {
        if (fehler) *fehler = {nummer, worte, deutsch};
        return false;
    };
    if (!gültigerName(pfad))
        return ablehnen(0, QStringLiteral("no valid file name"), QStringLiteral("der Name taugt nicht als Dateiname"));
    struct stat alt {};
    bool vorhanden = false;
    const auto ziel = zielDerSicherung(QFile::encodeName(pfad), alt, vorhanden);
    if (!ziel)
        return ablehnen(0, QStringLiteral("not a regular file"),
                        QStringLiteral("unter dem Namen steht etwas anderes als eine gewöhnliche Datei"));
    const QByteArray ordner = ordnerVon(*ziel);
    const qsizetype schnitt = ziel->lastIndexOf('/');
    QByteArray vorlage = ordner + "/." + ziel->mid(schnitt + 1) + ".XXXXXX";

    // On any failure: the reason (errno of the failed call), and no temporary file left.
    bool angelegt = false;
    const auto aufgeben = [&] {
        const int fehler = errno;
        if (angelegt) ::unlink(vorlage.constData());
        return ablehnen(fehler, QString::fromLocal8Bit(std::strerror(fehler)), aufDeutsch(fehler));
    };
    Deskriptor d;
    d.fd = ::mkostemp(vorlage.data(), O_CLOEXEC);
    if (d.fd < 0) return aufgeben();
    angelegt = true;
    if (vorhanden) {
        // Keep the old file's owner (when we may) and its mode.
        [[maybe_unused]] const int egal = ::fchown(d.fd, alt.st_uid, alt.st_gid);
        if (::fchmod(d.fd, alt.st_mode & 07777) != 0) return aufgeben();
    } else {
        const mode_t maske = ::umask(0);
        ::umask(maske);
        if (::fchmod(d.fd, 0666 & ~maske) != 0) return aufgeben();
    }
    if (!allesSchreiben(d.fd, inhalt)) return aufgeben();
    if (synchronisiere(d.fd) != 0) return aufgeben();
    if (::close(d.freigeben()) != 0) return aufgeben();
    if (::rename(vorlage.constData(), ziel->constData()) != 0) return aufgeben();
    // The rename itself is on the disk only when the folder is synced too.
    Deskriptor o;
    o.fd = ::open(ordner.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (o.fd >= 0) synchronisiere(o.fd);
    return true;
}

} // namespace glanzzug
