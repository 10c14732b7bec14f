#include "TextVorbereiten.h"
#include "Fenster.h"
#include "LaufListeWeiter.h"

namespace glanzzug {

void TextVorbereiten(Fenster&) {}

void TextEinrichten(Fenster& f) {
    f.ablauf.schritt[0] = TextVorbereiten;
    f.ablauf.laufListeWeiter = LaufListeWeiter;
}

} // namespace glanzzug
