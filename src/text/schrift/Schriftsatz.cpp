#include "Schriftsatz.h"

#include "LedSchriftsatz.h"
#include "SystemSchriftsatz.h"

#include <QCoreApplication>

#include <algorithm>
#include <mutex>
#include <utility>
#include <vector>

namespace glanzzug {
namespace {

// Enough for a zoom through every whole size up to a large one, plus the fonts of a few boxes.
constexpr std::size_t kPlätze = 24;

bool istLedSchrift(const QString& name) {
    return name.trimmed().compare(QLatin1String("Small Fonts"), Qt::CaseInsensitive) == 0;
}

struct Zwischenspeicher {
    std::mutex sperre;
    std::vector<std::pair<SchriftWahl, std::shared_ptr<const Schriftsatz>>> einträge; // most recent first
};

Zwischenspeicher& zwischenspeicher() {
    static Zwischenspeicher speicher;
    return speicher;
}

// System fonts must not outlive the application object: their engines belong to it.
void leeren() {
    Zwischenspeicher& speicher = zwischenspeicher();
    std::lock_guard lock(speicher.sperre);
    speicher.einträge.clear();
}

std::shared_ptr<const Schriftsatz> erzeuge(const SchriftWahl& wahl) {
    if (istLedSchrift(wahl.name)) return std::make_shared<LedSchriftsatz>(wahl.größe, wahl.fett, wahl.kursiv);
    static std::once_flag aufräumenAngemeldet;
    std::call_once(aufräumenAngemeldet, [] { qAddPostRoutine(leeren); });
    return std::make_shared<SystemSchriftsatz>(wahl);
}

} // namespace

std::shared_ptr<const Schriftsatz> schriftsatzFür(const SchriftWahl& wahl) {
    Zwischenspeicher& speicher = zwischenspeicher();
    std::lock_guard lock(speicher.sperre);
    auto& einträge = speicher.einträge;
    const auto treffer = std::find_if(einträge.begin(), einträge.end(),
                                      [&](const auto& eintrag) { return eintrag.first == wahl; });
    if (treffer != einträge.end()) {
        std::rotate(einträge.begin(), treffer, treffer + 1);
        return einträge.front().second;
    }
    auto neu = erzeuge(wahl);
    einträge.insert(einträge.begin(), {wahl, neu});
    if (einträge.size() > kPlätze) einträge.pop_back();
    return neu;
}

} // namespace glanzzug
