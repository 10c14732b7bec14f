#include "BildSpeicher.h"
#include "DateiStand.h"
#include "SichereDatei.h"
#include <QFile>
#include <QHash>
#include <list>
#include <sys/stat.h>
#include <time.h>

namespace glanzzug {

namespace {
// How long after a change a file's times may still stay the same through another change.
// File systems that keep parts of a second take them from a clock that moves on every few
// milliseconds; those that keep whole seconds (or two, as FAT does) show no parts at all.
qint64 unschärfeNs(qint64 zeit) {
    return zeit % 1'000'000'000 != 0 ? 50'000'000 : 2'000'000'000;
}

struct Eintrag {
    QString name;
    DateiStand stand;
    std::optional<Bildauszug> bild; // nothing: the file is no picture
    qint64 bytes = 0;
    // While the file's times may still hide a change: the hash of the bytes decoded.
    std::optional<std::size_t> prüfsumme;
};

class Speicher {
public:
    std::optional<Bildauszug> holen(const QString& name, QSize gestreckt) {
        if (name.isEmpty() || name.contains(QChar(0))) return std::nullopt;
        const auto alt = index_.constFind(name);
        timespec jetzt{};
        ::clock_gettime(CLOCK_REALTIME, &jetzt);
        struct stat st {};
        if (::stat(QFile::encodeName(name).constData(), &st) != 0 || !S_ISREG(st.st_mode)) {
            if (alt != index_.cend()) entfernen(*alt);
            return std::nullopt;
        }
        const DateiStand stand = dateiStand(st);
        const qint64 jetztNs = qint64(jetzt.tv_sec) * 1'000'000'000 + jetzt.tv_nsec;
        const bool gesetzt = jetztNs - stand.umgestellt >= unschärfeNs(stand.umgestellt);
        const bool streckenNötig = gestreckt.isValid() && !gestreckt.isEmpty();
        std::optional<QByteArray> inhalt;
        if (alt != index_.cend() && (*alt)->stand == stand &&
            (!streckenNötig || !(*alt)->bild || (*alt)->bild->ganz() || (*alt)->bild->gestreckt.size() == gestreckt)) {
            const auto e = *alt;
            if (!e->prüfsumme) return nachVorn(e)->bild;
            inhalt = leseDatei(name, kGrößteBildDatei);
            if (inhalt && qHash(*inhalt, QHashSeed::globalSeed()) == *e->prüfsumme) {
                if (gesetzt) e->prüfsumme.reset();
                return nachVorn(e)->bild;
            }
        }
        if (alt != index_.cend()) entfernen(*alt);
        if (!inhalt) inhalt = leseDatei(name, kGrößteBildDatei);
        if (!inhalt) return std::nullopt; // unreadable now: try again next time
        Eintrag neu{name, stand, BildDekodieren(*inhalt, gestreckt), 0, std::nullopt};
        if (!gesetzt) neu.prüfsumme = qHash(*inhalt, QHashSeed::globalSeed());
        neu.bytes = (neu.bild ? neu.bild->bytes() : 0) + name.size() * 2 + 256;
        auto bild = neu.bild;
        if (neu.bytes <= kBildSpeicherBytes) aufnehmen(std::move(neu));
        return bild;
    }

    void leeren() {
        liste_.clear();
        index_.clear();
        bytes_ = 0;
    }

private:
    using Iter = std::list<Eintrag>::iterator;

    Iter nachVorn(Iter e) {
        liste_.splice(liste_.begin(), liste_, e);
        return e;
    }
    void entfernen(Iter e) {
        bytes_ -= e->bytes;
        index_.remove(e->name);
        liste_.erase(e);
    }
    void aufnehmen(Eintrag neu) {
        bytes_ += neu.bytes;
        liste_.push_front(std::move(neu));
        index_.insert(liste_.front().name, liste_.begin());
        while (liste_.size() > kBildSpeicherEinträge || bytes_ > kBildSpeicherBytes) entfernen(std::prev(liste_.end()));
    }

    std::list<Eintrag> liste_; // most recently used first
    QHash<QString, Iter> index_;
    qint64 bytes_ = 0;
};

Speicher& speicher() {
    static Speicher s;
    return s;
}
} // namespace

std::optional<Bildauszug> BildHolen(const QString& name, QSize gestreckt) {
    return speicher().holen(name, gestreckt);
}

void BildSpeicherLeeren() { speicher().leeren(); }

} // namespace glanzzug
