#include "BildAblegen.h"
#include "BildDatei.h"
#include "Fenster.h"
#include "SichereDatei.h"
#include "Textdatei.h"
#include <QFileInfo>

namespace glanzzug {

QString bildEndung(const QByteArray& inhalt) {
    struct Art {
        QByteArrayView anfang;
        const char* endung;
    };
    static const Art kArten[] = {
        {"\xFF\xD8\xFF", ".jpg"}, {"\x89PNG\r\n\x1A\n", ".png"}, {"BM", ".bmp"}, {"GIF87a", ".gif"}, {"GIF89a", ".gif"},
    };
    for (const Art& a : kArten)
        if (inhalt.startsWith(a.anfang)) return QString::fromLatin1(a.endung);
    return {};
}

namespace {
bool nameZulässig(const QString& name) {
    if (name.isEmpty() || name.size() > 200 || name.startsWith(u'.') || !inWindows1252(name)) return false;
    for (const QChar c : name)
        if (c.unicode() < 0x20 || c.unicode() == 0x7f || c == u'/' || c == u'\\') return false;
    return true;
}
} // namespace

BildAblage BildAblegen(Fenster& f, const QString& name, const QByteArray& inhalt) {
    if (inhalt.size() > kGrößtesBildHochladen) return BildAblage::ZuGroß;
    if (!nameZulässig(name)) return BildAblage::NameUngültig;
    const QString endung = bildEndung(inhalt);
    if (endung.isEmpty()) return BildAblage::KeinBild;
    if (!name.endsWith(endung, Qt::CaseInsensitive) || name.size() == endung.size()) return BildAblage::NameUngültig;
    if (QFileInfo::exists(name) || QFileInfo(name).isSymLink()) return BildAblage::NameVergeben;
    if (!BildDekodieren(inhalt)) return BildAblage::NichtLesbar;
    if (!schreibeDatei(name, inhalt)) return BildAblage::NichtGeschrieben;
    f.AniFiles.aktualisieren();
    return BildAblage::Gespeichert;
}

} // namespace glanzzug
