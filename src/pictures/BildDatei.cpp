#include "BildDatei.h"
#include <QImageReader>

namespace glanzzug {

std::optional<QImage> BildDateiLesen(const QString& name) {
    if (name.isEmpty()) return std::nullopt;
    QImageReader::setAllocationLimit(kGrößteDekodierung);
    QImageReader leser(name);
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
