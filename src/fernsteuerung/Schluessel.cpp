#include "Schluessel.h"
#include "SichereDatei.h"
#include <QDir>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QStandardPaths>
#include <algorithm>
#include <cerrno>
#include <optional>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace glanzzug {

namespace {
[[noreturn]] void scheitern(const QString& pfad, const QString& grund) {
    throw Schlüssel::Fehler(QStringLiteral("token file %1: %2").arg(pfad, grund).toStdString());
}
QString systemFehler() { return QString::fromLocal8Bit(std::strerror(errno)); }

bool erlaubt(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' || c == '_' ||
           c == '.' || c == '~';
}

// Reads an existing token file; nothing when there is no file.
std::optional<QByteArray> lesen(const QString& pfad) {
    struct stat st {};
    if (::lstat(QFile::encodeName(pfad).constData(), &st) != 0) {
        if (errno == ENOENT) return std::nullopt;
        scheitern(pfad, systemFehler());
    }
    // The token opens the player to whoever holds it: only its owner may read the file,
    // and a link could point anywhere.
    if (S_ISLNK(st.st_mode))
        scheitern(pfad, QStringLiteral("is a symbolic link; put the token file itself there, readable only by its "
                                       "owner (chmod 600)"));
    if (S_ISREG(st.st_mode) && (st.st_mode & 077) != 0)
        scheitern(pfad, QStringLiteral("others may read or change it (mode %1); make it private with: chmod 600 %2")
                            .arg(st.st_mode & 0777, 4, 8, QChar(u'0'))
                            .arg(pfad));
    const auto inhalt = leseDatei(pfad, Schlüssel::kGrößteDatei);
    if (!inhalt)
        scheitern(pfad, QStringLiteral("not a readable regular file of at most %1 bytes").arg(Schlüssel::kGrößteDatei));
    const QByteArray schlüssel = inhalt->split('\n').first().trimmed();
    if (schlüssel.size() < Schlüssel::kKürzesterSchlüssel || !std::all_of(schlüssel.begin(), schlüssel.end(), erlaubt))
        scheitern(pfad, QStringLiteral("does not hold a token of at least %1 letters and digits; delete it to "
                                       "get a new one").arg(Schlüssel::kKürzesterSchlüssel));
    return schlüssel;
}

QByteArray neuerSchlüssel() {
    quint32 zufall[8];
    QRandomGenerator::system()->fillRange(zufall);
    return QByteArray(reinterpret_cast<const char*>(zufall), sizeof zufall).toHex();
}

// Writes the new token beside the target and links it into place; false when another
// process created the target meanwhile.
bool anlegen(const QString& pfad, const QByteArray& schlüssel) {
    const QFileInfo info(pfad);
    const QString ordner = info.absolutePath();
    if (!QFileInfo::exists(ordner)) {
        const QByteArray o = QFile::encodeName(ordner);
        QDir().mkpath(QFileInfo(ordner).absolutePath());
        if (::mkdir(o.constData(), 0700) != 0 && errno != EEXIST) scheitern(pfad, systemFehler());
    }
    const QByteArray ziel = QFile::encodeName(pfad);
    const QByteArray zwischen =
        ziel + ".neu-" + QByteArray::number(qint64(::getpid())) + '-' + QByteArray::number(QRandomGenerator::system()->generate());
    const int fd = ::open(zwischen.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (fd < 0) scheitern(pfad, systemFehler());
    const QByteArray inhalt = schlüssel + '\n';
    qsizetype geschrieben = 0;
    while (geschrieben < inhalt.size()) {
        const ssize_t n = ::write(fd, inhalt.constData() + geschrieben, size_t(inhalt.size() - geschrieben));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break;
        geschrieben += n;
    }
    bool gut = geschrieben == inhalt.size() && ::fsync(fd) == 0;
    int fehler = gut ? 0 : (errno != 0 ? errno : EIO);
    if (::close(fd) != 0 && gut) gut = false, fehler = errno;
    if (!gut) {
        ::unlink(zwischen.constData());
        errno = fehler;
        scheitern(pfad, systemFehler());
    }
    const bool verlinkt = ::link(zwischen.constData(), ziel.constData()) == 0;
    const int linkFehler = errno;
    ::unlink(zwischen.constData());
    if (!verlinkt && linkFehler != EEXIST) {
        errno = linkFehler;
        scheitern(pfad, systemFehler());
    }
    if (verlinkt) {
        const int dir = ::open(QFile::encodeName(ordner).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (dir >= 0) {
            ::fsync(dir);
            ::close(dir);
        }
    }
    return verlinkt;
}
} // namespace

QString Schlüssel::standardPfad() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/glanzzug/http-token");
}

QByteArray Schlüssel::ladenOderErzeugen(const QString& pfad) {
    if (auto vorhanden = lesen(pfad)) return *vorhanden;
    const QByteArray neu = neuerSchlüssel();
    if (anlegen(pfad, neu)) return neu;
    // Someone else created it between our look and our link: use theirs.
    if (auto vorhanden = lesen(pfad)) return *vorhanden;
    scheitern(pfad, QStringLiteral("vanished while it was created"));
}

bool Schlüssel::gleich(QByteArrayView angebot, QByteArrayView schlüssel) {
    // Every byte of the token is looked at whatever the offer holds.
    unsigned unterschied = unsigned(angebot.size() != schlüssel.size());
    for (qsizetype i = 0; i < schlüssel.size(); ++i) {
        const unsigned char a = i < angebot.size() ? static_cast<unsigned char>(angebot[i]) : 0;
        unterschied |= unsigned(a ^ static_cast<unsigned char>(schlüssel[i]));
    }
    return unterschied == 0 && !schlüssel.isEmpty();
}

} // namespace glanzzug
