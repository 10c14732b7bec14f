#include "StandardOrdner.h"
#include "SichereDatei.h"
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <cstdio>

namespace glanzzug {

namespace {
// No demonstration file comes near this.
constexpr qint64 kGrößteDemoDatei = 16LL * 1024 * 1024;
} // namespace

QString standardOrdner() { return QDir::homePath() + QStringLiteral("/Glanzzug"); }

QString demoOrdner() {
    const QString installiert =
        QCoreApplication::applicationDirPath() + QStringLiteral("/" GLANZZUG_DEMO_RELATIV);
    for (const QString& o : {installiert, QStringLiteral(GLANZZUG_DEMO_QUELLE)})
        if (QFileInfo(o).isDir()) return QDir(o).canonicalPath();
    return {};
}

bool standardOrdnerEinrichten(const QString& ordner) {
    if (QFileInfo::exists(ordner)) return true;
    if (!QDir().mkdir(ordner)) {
        std::fprintf(stderr, "glanzzug: cannot create the folder %s\n", qPrintable(ordner));
        return false;
    }
    const QString demo = demoOrdner();
    if (demo.isEmpty()) {
        std::fprintf(stderr, "glanzzug: the demonstration files are missing; %s starts empty\n", qPrintable(ordner));
        return true;
    }
    for (const QString& name : QDir(demo).entryList(QDir::Files)) {
        const auto inhalt = leseDatei(demo + u'/' + name, kGrößteDemoDatei);
        SchreibFehler fehler{0, QStringLiteral("cannot read it"), {}};
        if (!inhalt || !schreibeDatei(ordner + u'/' + name, *inhalt, &fehler))
            std::fprintf(stderr, "glanzzug: could not copy %s into %s: %s\n", qPrintable(name), qPrintable(ordner),
                         qPrintable(fehler.worte));
    }
    return true;
}

} // namespace glanzzug
