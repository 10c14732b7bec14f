#include "DateiZugriff.h"
#include "Fenster.h"
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <array>
#include <cerrno>
#include <ctime>
#include <sys/stat.h>

namespace glanzzug {

namespace {
// What dateiFinden needs of one folder for one extension: for every name part that
// exists there with that extension in some letter case, the first such file name in sort
// order. Kept while the folder is unchanged, so that a folder of many thousand files is
// listed once rather than on every load of a missing presentation. Unchanged means the
// same modification and change time: the modification time can be set back (touch -d)
// after an entry was made, the change time only moves on. Used from the window's thread
// only.
struct Fallvarianten {
    dev_t gerät = 0;
    ino_t knoten = 0;
    timespec geändert{};
    timespec umgestellt{};
    timespec gelistet{};
    QString endung;
    QHash<QString, QString> ersteDatei;
};

bool gleich(const timespec& a, const timespec& b) {
    return a.tv_sec == b.tv_sec && a.tv_nsec == b.tv_nsec;
}

// A listing is trusted only when the folder had not been changed for a second when it
// was taken: the folder's time stamp is coarse, so an entry made in the same tick as the
// listing would leave the stamp as it was.
bool vertrauenswürdig(const Fallvarianten& v) {
    return v.geändert.tv_sec + 1 < v.gelistet.tv_sec;
}

const Fallvarianten& fallvarianten(const QString& ordner, const struct stat& st, const QString& endung) {
    static std::array<Fallvarianten, 4> gemerkt;
    static std::size_t nächster = 0;
    for (const Fallvarianten& v : gemerkt)
        if (v.gerät == st.st_dev && v.knoten == st.st_ino && v.endung == endung && gleich(v.geändert, st.st_mtim) &&
            gleich(v.umgestellt, st.st_ctim) && vertrauenswürdig(v))
            return v;
    Fallvarianten& v = gemerkt[nächster];
    nächster = (nächster + 1) % gemerkt.size();
    v = Fallvarianten{st.st_dev, st.st_ino, st.st_mtim, st.st_ctim, {}, endung, {}};
    ::clock_gettime(CLOCK_REALTIME, &v.gelistet);
    const QStringList alle = QDir(ordner).entryList(QDir::Files | QDir::Hidden, QDir::NoSort);
    for (const QString& n : alle) {
        if (n.size() < endung.size() || QStringView(n).right(endung.size()).compare(endung, Qt::CaseInsensitive) != 0)
            continue;
        QString& erste = v.ersteDatei[n.left(n.size() - endung.size())];
        if (erste.isEmpty() || n < erste) erste = n; // the same file every time when several differ only in case
    }
    return v;
}
} // namespace

QString dateiFinden(const QString& name, const QString& endung) {
    const QString genau = name + endung;
    if (genau.isEmpty() || genau.contains(QChar(0))) return genau; // no file can have that name
    const QFileInfo info(genau);
    if (info.isFile()) return genau;
    // Look beside it for the same name with the extension in another letter case.
    const QString ordnerTeil = genau.left(genau.size() - info.fileName().size());
    const QString nameTeil = info.fileName().left(info.fileName().size() - endung.size());
    const QString ordner = ordnerTeil.isEmpty() ? QStringLiteral(".") : ordnerTeil;
    struct stat st {};
    if (::stat(QFile::encodeName(ordner).constData(), &st) != 0 || !S_ISDIR(st.st_mode)) return genau;
    const QString treffer = fallvarianten(ordner, st, endung).ersteDatei.value(nameTeil);
    return treffer.isEmpty() ? genau : ordnerTeil + treffer;
}

bool dateiVorhanden(const QString& pfad) {
    if (pfad.isEmpty() || pfad.contains(QChar(0))) return false;
    struct stat st {};
    return ::lstat(QFile::encodeName(pfad).constData(), &st) == 0 || (errno != ENOENT && errno != ENOTDIR);
}

QString einzeilig(QString text) {
    for (QChar& c : text)
        if (c == u'\r' || c == u'\n') c = u' ';
    return text;
}

std::optional<QStringList> dateiZeilen(const QString& pfad, qsizetype höchstens) {
    return leseZeilen(pfad, höchstens, kGrößteDatei);
}

bool dateiLöschen(const QString& pfad) {
    if (pfad.isEmpty() || pfad.contains(u'/') || pfad.contains(QChar(0)) || pfad == u"." || pfad == u"..")
        return false;
    const QFileInfo info(pfad);
    if (!info.exists() && !info.isSymLink()) return true;
    if (!info.isFile() && !info.isSymLink()) return false; // never a folder
    QFile::remove(pfad);
    const QFileInfo danach(pfad);
    return !danach.exists() && !danach.isSymLink();
}

bool überschreibenErlaubt(Fenster& f, const GeleseneDatei& gelesen, const QString& pfad) {
    if (!gelesen.seitherGeändert(pfad)) return true;
    return f.dialoge && f.dialoge->frageJaNein(QStringLiteral("Die Datei wurde inzwischen geändert. Überschreiben?"),
                                               QString(), Dialoge::Symbol::Frage);
}

} // namespace glanzzug
