#include "BildSpeicher.h"
#include "BildDatei.h"
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

qint64 ns(const timespec& t) { return qint64(t.tv_sec) * 1'000'000'000 + t.tv_nsec; }

// What identifies one state of a file.
struct Stand {
    dev_t gerät = 0;
    ino_t knoten = 0;
    qint64 größe = 0, geändert = 0, umgestellt = 0; // bytes; mtime and ctime in ns
    bool operator==(const Stand&) const = default;
};

struct Eintrag {
    QString name;
    Stand stand;
    std::optional<QImage> bild; // nothing: the file is no picture
    qint64 bytes = 0;
    // While the file's times may still hide a change: the hash of the bytes decoded.
    std::optional<std::size_t> prüfsumme;
};

class Speicher {
public:
    std::optional<QImage> holen(const QString& name) {
        if (name.isEmpty() || name.contains(QChar(0))) return std::nullopt;
        const auto alt = index_.constFind(name);
        timespec jetzt{};
        ::clock_gettime(CLOCK_REALTIME, &jetzt);
        struct stat st {};
        if (::stat(QFile::encodeName(name).constData(), &st) != 0 || !S_ISREG(st.st_mode)) {
            if (alt != index_.cend()) entfernen(*alt);
            return std::nullopt;
        }
        const Stand stand{st.st_dev, st.st_ino, st.st_size, ns(st.st_mtim), ns(st.st_ctim)};
        const bool gesetzt = ns(jetzt) - stand.umgestellt >= unschärfeNs(stand.umgestellt);
        std::optional<QByteArray> inhalt;
        if (alt != index_.cend() && (*alt)->stand == stand) {
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
        Eintrag neu{name, stand, BildDekodieren(*inhalt), 0, std::nullopt};
        if (!gesetzt) neu.prüfsumme = qHash(*inhalt, QHashSeed::globalSeed());
        neu.bytes = (neu.bild ? neu.bild->sizeInBytes() : 0) + name.size() * 2 + 256;
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

std::optional<QImage> BildHolen(const QString& name) { return speicher().holen(name); }

void BildSpeicherLeeren() { speicher().leeren(); }

} // namespace glanzzug
