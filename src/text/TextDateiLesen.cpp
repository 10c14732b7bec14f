#include "TextDateiLesen.h"
#include "Fenster.h"
#include "Textdatei.h"
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <cstring>

namespace glanzzug {

bool TextDateiVerknüpft(const Fenster& f) {
    return !f.DateiBenutzen.toolTip().startsWith(QStringLiteral("Hier "));
}

std::optional<QString> ersteZeileLesen(const QString& pfad) {
    // Only plain files: a pipe or a device could block the playback for good.
    if (pfad.isEmpty() || !QFileInfo(pfad).isFile()) return std::nullopt;
    QFile datei(pfad);
    if (!datei.open(QIODevice::ReadOnly)) return std::nullopt;
    // The file is read again in every frame: take only what the first line needs.
    QByteArray zeile;
    char block[4096];
    bool etwasGelesen = false;
    while (zeile.size() < kLängsteZeile) {
        const qint64 n = datei.read(block, sizeof block);
        if (n < 0) return std::nullopt;
        if (n == 0) break;
        etwasGelesen = true;
        const char* ende = block + n;
        const char* cr = static_cast<const char*>(std::memchr(block, '\r', std::size_t(n)));
        const char* lf = static_cast<const char*>(std::memchr(block, '\n', std::size_t(n)));
        const char* schluss = cr && lf ? std::min(cr, lf) : cr ? cr : lf;
        zeile.append(block, (schluss ? schluss : ende) - block);
        if (schluss) break;
    }
    if (!etwasGelesen) return std::nullopt;
    zeile.truncate(kLängsteZeile);
    return ausWindows1252(zeile);
}

void TextDateiLesen(Fenster& f) {
    const auto zeile = ersteZeileLesen(f.DateiBenutzen.toolTip());
    if (!zeile) return;
    f.Arbeitstext = *zeile;
    f.Txt.setzeText(f.Arbeitstext);
}

} // namespace glanzzug
