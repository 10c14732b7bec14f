#include "Auswertung.h"
#include <algorithm>
#include <ctime>

namespace glanzzug {

namespace {
constexpr qint64 kTag = 86400;
constexpr qint64 kJulianischerTag1970 = 2440588; // Julian day of 1970-01-01

qint64 abgerundet(qint64 a, qint64 b) { return a / b - (a % b < 0 ? 1 : 0); }

// The local time's offset from UTC at second `s` after the epoch (C library: fast, and it
// follows TZ; the caller runs tzset() now and then to see a changed system time zone).
int versatz(qint64 s) {
    const time_t t = time_t(s);
    tm lokal{};
    localtime_r(&t, &lokal);
    return int(lokal.tm_gmtoff);
}

// The wall time second `s` reads with the offset `v`.
Wandzeit lesbar(qint64 s, int v) { return s + v + kJulianischerTag1970 * kTag; }

// Whether a window of `r` starting on the day `start` (Julian) covers second `s` of day
// `heute` (start or start + 1).
bool deckt(const Regel& r, const QDate& start, qint64 startTag, qint64 heute, qint64 s) {
    const bool überNacht = r.bis <= r.von;
    if (heute == startTag) {
        if (s < r.von * 60 || (!überNacht && s >= r.bis * 60)) return false;
    } else if (!überNacht || s >= r.bis * 60) {
        return false;
    }
    return r.giltAm(start);
}
} // namespace

Wandzeit wandzeit(qint64 ms) {
    const qint64 s = abgerundet(ms, 1000);
    const int jetzt = versatz(s);
    const int vorher = versatz(s - 3 * 3600);
    // Clocks went back by d seconds less than d seconds ago: the repeated stretch. Find
    // the change (to the second) and count as the wall time just before it.
    if (const int d = vorher - jetzt; d > 0 && versatz(s - d) == vorher) {
        qint64 alt = s - d, neu = s; // offset `vorher` at alt, `jetzt` at neu
        while (neu - alt > 1) {
            const qint64 mitte = alt + (neu - alt) / 2;
            (versatz(mitte) == vorher ? alt : neu) = mitte;
        }
        return lesbar(alt, vorher);
    }
    return lesbar(s, jetzt);
}

Wandzeit wandzeit(const QDate& tag, int minuten) { return tag.toJulianDay() * kTag + minuten * 60; }

QDate tagVon(Wandzeit w) { return QDate::fromJulianDay(w / kTag); }

int gültigeRegel(const std::vector<Regel>& regeln, Wandzeit w) {
    const qint64 heute = w / kTag, s = w % kTag;
    const QDate tag = QDate::fromJulianDay(heute), gestern = tag.addDays(-1);
    for (std::size_t i = 0; i < regeln.size(); ++i) {
        const Regel& r = regeln[i];
        if (deckt(r, tag, heute, heute, s) || deckt(r, gestern, heute - 1, heute, s)) return int(i);
    }
    return -1;
}

std::optional<Wechsel> nächsterWechsel(const std::vector<Regel>& regeln, Wandzeit w) {
    const int jetzt = gültigeRegel(regeln, w);
    const qint64 heute = w / kTag;
    // Only at the start or end of some window can the rule change: try them in order,
    // a week first, then the rest of a year (date ranges may start months ahead).
    std::vector<Wandzeit> kanten;
    for (const qint64 bisTag : {heute + 8, heute + 367}) {
        kanten.clear();
        for (qint64 t = bisTag == heute + 8 ? heute - 1 : heute + 8; t < bisTag; ++t) {
            const QDate tag = QDate::fromJulianDay(t);
            for (const Regel& r : regeln) {
                if (!r.giltAm(tag)) continue;
                kanten.push_back(t * kTag + r.von * 60);
                kanten.push_back(t * kTag + (r.bis <= r.von ? kTag : 0) + r.bis * 60);
            }
        }
        std::sort(kanten.begin(), kanten.end());
        kanten.erase(std::unique(kanten.begin(), kanten.end()), kanten.end());
        for (const Wandzeit k : kanten)
            if (k > w)
                if (const int r = gültigeRegel(regeln, k); r != jetzt) return Wechsel{k, r};
    }
    return std::nullopt;
}

QString wechselText(Wandzeit wann, Wandzeit jetzt) {
    const QDate tag = tagVon(wann);
    QString t = tagKürzel(tag.dayOfWeek()) + u' ';
    if (wann - jetzt >= 6 * kTag) t += tag.toString(u"dd.MM.") + u' ';
    return t + uhrText(int(wann % kTag / 60));
}

} // namespace glanzzug
