#include "BildWeg.h"
#include "Fenster.h"
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace glanzzug {

bool LöschbarImOrdner(const QString& name) {
    if (name.isEmpty() || name == QStringLiteral(".") || name == QStringLiteral("..")) return false;
    if (name.contains(u'/') || name.contains(u'\\') || name.contains(QChar(0))) return false;
    const QFileInfo info(QDir::current(), name);
    if (!info.exists() && !info.isSymLink()) return false;
    if (info.isDir() && !info.isSymLink()) return false;
    // The entry's own folder, links left unresolved, must be the current folder.
    return QFileInfo(info.absolutePath()).canonicalFilePath() == QDir::current().canonicalPath();
}

bool ImOrdnerLöschen(const QString& name) {
    if (!LöschbarImOrdner(name)) return false;
    // QFile::remove unlinks: a symbolic link goes, its target stays.
    return QFile::remove(QDir::current().filePath(name));
}

void BildWeg_Click(Fenster& f) {
    f.Arbeitstext = f.AniFiles.ausgewählt();
    if (f.Arbeitstext.isEmpty()) return;
    if (!LöschbarImOrdner(f.Arbeitstext)) return;
    if (!f.dialoge || !f.dialoge->frageJaNein(QStringLiteral("Wollen Sie das Bild ") + f.Arbeitstext +
                                                  QStringLiteral(" unwiederbringlich löschen?"),
                                              QString(), Dialoge::Symbol::Kritisch))
        return;
    if (!ImOrdnerLöschen(f.Arbeitstext))
        f.dialoge->hinweis(QStringLiteral("Das Bild ") + f.Arbeitstext +
                           QStringLiteral(" konnte nicht gelöscht werden."));
    f.AniFiles.aktualisieren();
}

} // namespace glanzzug
