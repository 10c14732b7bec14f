#include "BildDatei.h"
#include "SichereDatei.h"
#include <QBuffer>
#include <QImageReader>

namespace glanzzug {

namespace {
std::uint64_t dekodierungen = 0;

bool zuGroß(QSize größe) {
    constexpr qint64 kGrenze = qint64(kGrößteDekodierung) * 1024 * 1024;
    return qint64(größe.width()) * größe.height() * 4 > kGrenze;
}
} // namespace

std::optional<QImage> BildDateiLesen(const QString& name) {
    if (name.isEmpty()) return std::nullopt;
    // Decoded from memory, so a FIFO or a device under a picture's name never stalls
    // playback.
    const auto inhalt = leseDatei(name, kGrößteBildDatei);
    if (!inhalt) return std::nullopt;
    return BildDekodieren(*inhalt);
}

std::optional<QImage> BildDekodieren(const QByteArray& inhalt) {
    if (inhalt.isEmpty()) return std::nullopt;
    QImageReader::setAllocationLimit(kGrößteDekodierung);
    QBuffer puffer;
    puffer.setData(inhalt);
    if (!puffer.open(QIODevice::ReadOnly)) return std::nullopt;
    QImageReader leser(&puffer);
    leser.setAutoTransform(true); // photos upright, as their camera meant them
    const QSize größe = leser.size(); // from the header only
    if (größe.isValid() && zuGroß(größe)) return std::nullopt;
    if (größe.isValid() && (größe.width() > kGrößteBildSeite || größe.height() > kGrößteBildSeite))
        leser.setScaledSize(größe.scaled(kGrößteBildSeite, kGrößteBildSeite, Qt::KeepAspectRatio));
    ++dekodierungen;
    QImage bild = leser.read();
    if (bild.isNull()) return std::nullopt;
    // A reader that cannot scale while decoding hands back the full picture.
    if (bild.width() > kGrößteBildSeite || bild.height() > kGrößteBildSeite)
        bild = bild.scaled(kGrößteBildSeite, kGrößteBildSeite, Qt::KeepAspectRatio, Qt::FastTransformation);
    // Sixteen bits per colour (PNG) would double the memory a picture keeps; the sign shows
    // one bit per colour.
    if (bild.depth() > 32)
        bild = bild.convertToFormat(bild.hasAlphaChannel() ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    return bild;
}

std::uint64_t BildDekodierungen() { return dekodierungen; }

} // namespace glanzzug
