#include "Pforte.h"
#include "Grenzen.h"
#include <algorithm>
#include <cstdio>
#include <vector>

namespace glanzzug {

Pforte::Platz::~Platz() {
    pforte_.freigeben(*eintrag_);
    pforte_.einträge_.erase(eintrag_);
}

void Pforte::Platz::berechtigen() {
    if (eintrag_->berechtigt || eintrag_->weg) return;
    eintrag_->berechtigt = true;
    --pforte_.fremde_;
}

void Pforte::freigeben(Eintrag& e) {
    if (e.weg) return;
    e.weg = true;
    --offen_;
    if (!e.berechtigt) --fremde_;
}

std::unique_ptr<Pforte::Platz> Pforte::einlassen(const std::string& adresse, std::function<void()> schließen) {
    if (fremde_ >= grenzen::kMeisteFremde || offen_ >= grenzen::kMeisteVerbindungen) {
        const auto ältester = std::find_if(einträge_.begin(), einträge_.end(),
                                           [](const Eintrag& e) { return !e.berechtigt && !e.weg; });
        if (ältester == einträge_.end()) {
            abweisen(adresse, "all connections are taken by clients with the token");
            return nullptr;
        }
        abweisen(ältester->adresse, "closed without a token to make room for a new connection");
        freigeben(*ältester);
        // The connection closes now; its Platz goes when its last operation ends.
        auto zu = std::move(ältester->schließen);
        if (zu) zu();
    }
    ++offen_;
    ++fremde_;
    einträge_.push_back({adresse, std::move(schließen)});
    return std::make_unique<Platz>(*this, std::prev(einträge_.end()));
}

void Pforte::alleSchließen() {
    std::vector<std::function<void()>> zu;
    for (Eintrag& e : einträge_)
        if (e.schließen) zu.push_back(e.schließen);
    for (auto& z : zu) z();
}

void Pforte::abweisen(const std::string& adresse, const char* grund) {
    const auto jetzt = std::chrono::steady_clock::now();
    if (gemeldet_.size() >= grenzen::kMeisteProtokollAdressen)
        std::erase_if(gemeldet_, [&](const auto& e) { return jetzt - e.second >= grenzen::kProtokollAbstand; });
    if (gemeldet_.size() >= grenzen::kMeisteProtokollAdressen) gemeldet_.clear();
    const auto [e, neu] = gemeldet_.try_emplace(adresse, jetzt);
    if (!neu && jetzt - e->second < grenzen::kProtokollAbstand) return;
    e->second = jetzt;
    std::fprintf(stderr, "glanzzug: remote control: refused %s: %s (more from there are not logged for a minute)\n",
                 adresse.c_str(), grund);
    std::fflush(stderr);
}

} // namespace glanzzug
