#pragma once
#include <chrono>
#include <functional>
#include <list>
#include <map>
#include <memory>
#include <string>

namespace glanzzug {

// The door of the remote control, on the network thread: counts the open connections,
// makes room for new ones, and logs refusals.
//
// Every open connection holds a Platz; the slot is given back when the Platz goes,
// however the connection ended. At most kMeisteVerbindungen are open and at most
// kMeisteFremde have not shown the token: a new connection beyond either closes the
// oldest one without the token, so that a stranger can never keep the owner out.
class Pforte {
    struct Eintrag {
        std::string adresse;
        std::function<void()> schließen;
        bool berechtigt = false;
        bool weg = false; // closed to make room: no longer counted
    };

public:
    class Platz {
    public:
        Platz(Pforte& p, std::list<Eintrag>::iterator e) : pforte_(p), eintrag_(e) {}
        ~Platz();
        Platz(const Platz&) = delete;
        Platz& operator=(const Platz&) = delete;
        // The connection has shown the token: it is never closed to make room.
        void berechtigen();
        // Who closes the connection now (the live view, after the upgrade).
        void schließenMit(std::function<void()> schließen) { eintrag_->schließen = std::move(schließen); }
        const std::string& adresse() const { return eintrag_->adresse; }
        Pforte& pforte() { return pforte_; }

    private:
        Pforte& pforte_;
        std::list<Eintrag>::iterator eintrag_;
    };

    // A new connection from `adresse`; `schließen` closes it when it has to make room (on
    // this thread, at most once). Null (and logged) when every slot holds the token.
    std::unique_ptr<Platz> einlassen(const std::string& adresse, std::function<void()> schließen);
    // Writes "refused ADDRESS: GRUND" to standard error, at most once per
    // kProtokollAbstand and address.
    void abweisen(const std::string& adresse, const char* grund);

    // Closes every connection (when the server goes).
    void alleSchließen();

    int offen() const { return offen_; }
    int fremde() const { return fremde_; }

private:
    void freigeben(Eintrag& e);

    std::list<Eintrag> einträge_; // oldest first
    int offen_ = 0, fremde_ = 0;
    std::map<std::string, std::chrono::steady_clock::time_point> gemeldet_;
};

} // namespace glanzzug
