#include "DateiZugriff.h"
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <sys/stat.h>

namespace glanzzug {

QString dateiFinden(const QString& name, const QString& endung) {
    const QString genau = name + endung;
    if (genau.isEmpty() || genau.contains(QChar(0))) return genau; // no file can have that name
    const QFileInfo info(genau);
    if (info.isFile()) return genau;
    // Look beside it for the same name with the extension in another letter case.
    const QString ordnerTeil = genau.left(genau.size() - info.fileName().size());
    const QString nameTeil = info.fileName().left(info.fileName().size() - endung.size());
    const QDir ordner(ordnerTeil.isEmpty() ? QStringLiteral(".") : ordnerTeil);
    if (!ordner.exists()) return genau;
    QStringList treffer;
    const QStringList alle = ordner.entryList(QDir::Files | QDir::Hidden, QDir::NoSort);
    for (const QString& n : alle)
        if (n.size() == nameTeil.size() + endung.size() && n.startsWith(nameTeil) &&
            QStringView(n).right(endung.size()).compare(endung, Qt::CaseInsensitive) == 0)
            treffer.append(n);
    if (treffer.isEmpty()) return genau;
    treffer.sort(); // the same file every time when several differ only in case
    return ordnerTeil + treffer.first();
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

} // namespace glanzzug
