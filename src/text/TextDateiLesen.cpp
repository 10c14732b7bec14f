#include "TextDateiLesen.h"
#include "Fenster.h"
#include "SichereDatei.h"
#include "Textdatei.h"
#include <algorithm>

namespace glanzzug {

bool TextDateiVerknüpft(const Fenster& f) {
    return !f.DateiBenutzen.toolTip().startsWith(QStringLiteral("Hier "));
}

std::optional<QString> ersteZeileLesen(const QString& pfad) {
    // Only regular files, opened without blocking: a pipe or a device could block the
    // playback for good. The file is read again in every frame: take only what the
    // first line needs.
    QByteArray zeile;
    bool etwasGelesen = false;
    const bool gelesen = leseBlockweise(pfad, [&](QByteArrayView block) {
        etwasGelesen = true;
        const auto bis = [block](char c) {
            const qsizetype i = block.indexOf(c);
            return i < 0 ? block.size() : i;
        };
        const qsizetype ende = std::min(bis('\r'), bis('\n'));
        zeile.append(block.first(ende));
        return ende == block.size() && zeile.size() < kLängsteZeile;
    });
    if (!gelesen || !etwasGelesen) return std::nullopt;
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
