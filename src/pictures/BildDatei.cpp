#include "BildDatei.h"
#include "SichereDatei.h"
#include <QBuffer>
#include <QImageReader>

namespace glanzzug {

std::optional<QImage> BildDateiLesen(const QString& name) {
    if (name.isEmpty()) return std::nullopt;
    // The bytes come through the safe reader (a regular file, opened without blocking,
    // no larger than kGrößteBildDatei) and are decoded from memory, so a FIFO or a device
    // under a picture's name never stalls playback.
    auto bytes = leseDatei(name, kGrößteBildDatei);
    if (!bytes) return std::nullopt;
    QBuffer puffer(&*bytes);
    if (!puffer.open(QIODevice::ReadOnly)) return std::nullopt;
    QImageReader::setAllocationLimit(kGrößteDekodierung);
    QImageReader leser(&puffer);
    leser.setAutoTransform(true); // photos upright, as their camera meant them
    const QSize größe = leser.size();
    if (größe.isValid() && (größe.width() > kGrößteBildSeite || größe.height() > kGrößteBildSeite))
        leser.setScaledSize(größe.scaled(kGrößteBildSeite, kGrößteBildSeite, Qt::KeepAspectRatio));
    QImage bild = leser.read();
    if (bild.isNull()) return std::nullopt;
    // A reader that cannot scale while decoding hands back the full picture.
    if (bild.width() > kGrößteBildSeite || bild.height() > kGrößteBildSeite)
        bild = bild.scaled(kGrößteBildSeite, kGrößteBildSeite, Qt::KeepAspectRatio, Qt::FastTransformation);
    return bild;
}

} // namespace glanzzug
