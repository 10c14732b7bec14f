#include "BildDatei.h"
#include "DisplayGroesse.h"
#include "SichereDatei.h"
#include <QBuffer>
#include <QImageIOHandler>
#include <QImageReader>
#include <algorithm>

namespace glanzzug {

namespace {
std::uint64_t dekodierungen = 0;

bool zuGroß(QSize größe) {
    constexpr qint64 kGrenze = qint64(kGrößteDekodierung) * 1024 * 1024;
    return qint64(größe.width()) * größe.height() * 4 > kGrenze;
}

// Sixteen bits per colour (PNG) would double the memory a picture keeps; the sign shows
// one bit per colour.
QImage achtBit(QImage bild) {
    if (bild.depth() > 32)
        bild = bild.convertToFormat(bild.hasAlphaChannel() ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    return bild;
}

// One decoding of the bytes, upright; `einrichten` may ask the reader to clip or scale (in
// the file's own orientation, before the picture is turned upright).
template <class Einrichten> QImage dekodieren(const QByteArray& inhalt, Einrichten einrichten) {
    QBuffer puffer;
    puffer.setData(inhalt);
    if (!puffer.open(QIODevice::ReadOnly)) return {};
    QImageReader leser(&puffer);
    leser.setAutoTransform(true);
    einrichten(leser);
    return achtBit(leser.read());
}

QSize vorschauGröße(QSize größe) {
    if (größe.width() <= kBildVorschauSeite && größe.height() <= kBildVorschauSeite) return größe;
    const QSize s = größe.scaled(kBildVorschauSeite, kBildVorschauSeite, Qt::KeepAspectRatio);
    return {std::max(s.width(), 1), std::max(s.height(), 1)};
}

// The area of the file (as stored, before it is turned upright by `drehung`, in a file of
// `datei` pixels) that becomes the upright picture's top-left `ecke`.
QRect eckeInDerDatei(QSize ecke, QSize datei, QImageIOHandler::Transformations drehung) {
    const bool gedreht = drehung & QImageIOHandler::TransformationRotate90;
    const bool gespiegelt = drehung & QImageIOHandler::TransformationMirror;
    const bool gekippt = drehung & QImageIOHandler::TransformationFlip;
    const QSize e = gedreht ? ecke.transposed() : ecke;
    // Turning upright mirrors and flips first, then turns a quarter clockwise, which brings
    // the bottom-left corner to the top left.
    const bool rechts = gespiegelt, unten = gedreht != gekippt;
    return {rechts ? datei.width() - e.width() : 0, unten ? datei.height() - e.height() : 0, e.width(), e.height()};
}
} // namespace

std::optional<Bildauszug> BildDateiLesen(const QString& name, QSize gestreckt) {
    if (name.isEmpty()) return std::nullopt;
    // Decoded from memory, so a FIFO or a device under a picture's name never stalls
    // playback.
    const auto inhalt = leseDatei(name, kGrößteBildDatei);
    if (!inhalt) return std::nullopt;
    return BildDekodieren(*inhalt, gestreckt);
}

std::optional<Bildauszug> BildDekodieren(const QByteArray& inhalt, QSize gestreckt) {
    if (inhalt.isEmpty()) return std::nullopt;
    QImageReader::setAllocationLimit(kGrößteDekodierung);
    QBuffer puffer;
    puffer.setData(inhalt);
    if (!puffer.open(QIODevice::ReadOnly)) return std::nullopt;
    QImageReader kopf(&puffer);
    const QSize datei = kopf.size(); // from the header only
    if (datei.isValid() && zuGroß(datei)) return std::nullopt;
    const auto drehung = kopf.transformation();
    const bool gedreht = drehung & QImageIOHandler::TransformationRotate90;
    const QSize größe = gedreht ? datei.transposed() : datei;
    const QSize eckenGröße = größe.boundedTo(QSize(kGrößteDisplaySeite, kGrößteDisplaySeite));
    const bool zuschneiden = kopf.supportsOption(QImageIOHandler::ClipRect) &&
                             kopf.supportsOption(QImageIOHandler::ScaledSize) && datei.isValid() &&
                             eckenGröße != größe;
    ++dekodierungen;
    Bildauszug a;
    if (zuschneiden) {
        // Only what is shown is decoded: the corner's rows, and the whole at small sizes.
        const auto skaliert = [&](QSize ziel) {
            return dekodieren(inhalt, [&](QImageReader& l) { l.setScaledSize(gedreht ? ziel.transposed() : ziel); });
        };
        a.größe = größe;
        a.ecke = dekodieren(inhalt, [&](QImageReader& l) { l.setClipRect(eckeInDerDatei(eckenGröße, datei, drehung)); });
        a.vorschau = skaliert(vorschauGröße(größe));
        if (gestreckt.isValid() && !gestreckt.isEmpty()) a.gestreckt = skaliert(gestreckt);
        if (a.ecke.size() != eckenGröße || a.vorschau.isNull()) return std::nullopt;
        return a;
    }
    const QImage ganz = dekodieren(inhalt, [](QImageReader&) {});
    if (ganz.isNull()) return std::nullopt;
    a.größe = ganz.size();
    const QSize ecke = ganz.size().boundedTo(QSize(kGrößteDisplaySeite, kGrößteDisplaySeite));
    a.ecke = ecke == ganz.size() ? ganz : ganz.copy(QRect(QPoint(0, 0), ecke));
    const QSize v = vorschauGröße(a.größe);
    a.vorschau = v == a.größe ? ganz : ganz.scaled(v, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    if (!a.ganz() && gestreckt.isValid() && !gestreckt.isEmpty())
        a.gestreckt = ganz.scaled(gestreckt, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    return a;
}

std::uint64_t BildDekodierungen() { return dekodierungen; }

} // namespace glanzzug
