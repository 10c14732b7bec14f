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
    // The name lives in a local: the timer ticks on while the question is open, and the
    // playback step overwrites the shared working string with its own text or picture name.
    const QString name = f.AniFiles.ausgewählt();
    f.Arbeitstext = name;
    if (name.isEmpty()) return;
    if (!LöschbarImOrdner(name)) return;
    if (!f.dialoge || !f.dialoge->frageJaNein(QStringLiteral("Wollen Sie das Bild ") + name +
                                                  QStringLiteral(" unwiederbringlich löschen?"),
                                              QString(), Dialoge::Symbol::Kritisch))
        return;
    if (!ImOrdnerLöschen(name))
        f.dialoge->hinweis(QStringLiteral("Das Bild ") + name + QStringLiteral(" konnte nicht gelöscht werden."));
    f.AniFiles.aktualisieren();
}

} // namespace glanzzug
