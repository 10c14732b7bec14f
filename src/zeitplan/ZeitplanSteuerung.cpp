#include "ZeitplanSteuerung.h"
#include "DateiZugriff.h"
#include "Dunkel.h"
#include "Fenster.h"
#include "Zeiteingaben.h"
#include <QFileInfo>
#include <QHash>
#include <chrono>
#include <cstdlib>
#include <ctime>
#include <QCoreApplication>
#include <limits>

namespace glanzzug {

namespace {
QHash<const Fenster*, ZeitplanSteuerung*>& steuerungen() {
    static QHash<const Fenster*, ZeitplanSteuerung*> h;
    return h;
}

// Changes whenever the file is replaced, written or removed.
qint64 dateiStempel() {
    const QFileInfo i(kZeitplanDatei);
    return i.exists() ? i.lastModified().toMSecsSinceEpoch() * 1000003 + i.size() + i.metadataChangeTime().toMSecsSinceEpoch() : 0;
}

// Marks in `gezeigt_` that are no run list's name (names are single-line).
const QString kDunkel = QStringLiteral("dunkel");
const QString kVonHand = QStringLiteral("\n");

// A wall clock that moved more than this against the monotonic clock between two checks jumped.
constexpr qint64 kSprungMs = 2000;
} // namespace

ZeitplanSteuerung::ZeitplanSteuerung(Fenster& f) : f_(f) {
    monoton = [] {
        return qint64(std::chrono::duration_cast<std::chrono::milliseconds>(
                          std::chrono::steady_clock::now().time_since_epoch())
                          .count());
    };
    steuerungen().insert(&f, this);
    f.AlleLL.Click.verbinde([this] {
        if (!wähltSelbst_) vonHandGewählt(true);
    });
    f.AlleLS.Click.verbinde([this] {
        if (!wähltSelbst_) vonHandGewählt(false);
    });
    // While a rule's run list plays, shut-down remembers the owner's own.
    f.ablauf.gemerkteLaufListe = [this](const Fenster& fenster) {
        return regel_ >= 0 && !vonHand_ && gestartet_ ? eigene_ : fenster.AlleLL.text();
    };
    uhr_.setInterval(1000);
    QObject::connect(&uhr_, &QTimer::timeout, this, [this] { prüfen(); });
}

ZeitplanSteuerung::~ZeitplanSteuerung() {
    steuerungen().remove(&f_);
    f_.ablauf.gemerkteLaufListe = nullptr;
}

ZeitplanSteuerung* ZeitplanSteuerung::von(const Fenster& f) { return steuerungen().value(&f); }

void ZeitplanSteuerung::starten() {
    eigene_ = f_.AlleLL.text();
    gezeigt_ = eigene_;
    gestartet_ = true;
    letzteWand_ = f_.jetzt().toMSecsSinceEpoch();
    letzteMono_ = monoton();
    letzteMinute_ = letzteWand_ / 60000;
    neuLesen();
    auswerten(wandzeit(letzteWand_), true);
    if (QCoreApplication::instance()) uhr_.start(); // no application, no event loop to drive it
}

void ZeitplanSteuerung::prüfen() {
    // Within a second of the last look nothing is due: one read of the monotonic clock.
    const qint64 mono = monoton();
    if (mono - letzteMono_ < 900 && mono >= letzteMono_) return;
    const qint64 wand = f_.jetzt().toMSecsSinceEpoch();
    const bool sprung = std::llabs((wand - letzteWand_) - (mono - letzteMono_)) > kSprungMs;
    letzteWand_ = wand;
    letzteMono_ = mono;
    const qint64 minute = wand / 60000;
    if (!sprung && minute == letzteMinute_) return;
    letzteMinute_ = minute;
    tzset(); // a time zone changed meanwhile applies from here on
    if (sprung && !stand_.plan.regeln.empty())
        melde(QStringLiteral("schedule: the clock jumped; now ") +
              QDateTime::fromMSecsSinceEpoch(wand).toString(u"ddd dd.MM.yyyy HH:mm"));
    const bool neu = dateiStempel() != dateiStempel_;
    if (neu) neuLesen();
    auswerten(wandzeit(wand), neu);
}

bool ZeitplanSteuerung::speichern(const QStringList& zeilen, const QByteArray& gelesen, QString* grund, int* zeile) {
    if (!zeitplanDateiSchreiben(zeilen, gelesen, grund, zeile)) return false;
    neuLesen();
    auswerten(wandzeit(f_.jetzt().toMSecsSinceEpoch()), true);
    return true;
}

void ZeitplanSteuerung::neuLesen() {
    stand_ = zeitplanDateiLesen();
    dateiStempel_ = dateiStempel();
    if (!stand_.fehler.isEmpty()) {
        melde(QStringLiteral("schedule: ") + stand_.fehler);
        f_.Statuszeile.setzeText(QStringLiteral("Zeitplan: ") + stand_.fehler);
    }
    for (const Zeilenfehler& e : stand_.plan.fehler) {
        melde(QStringLiteral("schedule: line %1 skipped: %2").arg(e.zeile).arg(e.grund));
        f_.Statuszeile.setzeText(QStringLiteral("Zeitplan.txt, Zeile %1: %2").arg(e.zeile).arg(e.grund));
    }
}

void ZeitplanSteuerung::auswerten(Wandzeit w, bool neu) {
    const auto& regeln = stand_.plan.regeln;
    const int r = gültigeRegel(regeln, w);
    bool wechsel = neu || r != regel_;
    if (vonHand_ && w >= vonHandBis_) {
        vonHand_ = false;
        wechsel = true;
    }
    if (!wechsel) return;
    regel_ = r;
    nächster_ = nächsterWechsel(regeln, w);
    if (!vonHand_) {
        if (r >= 0) {
            melde(QStringLiteral("schedule: %1 (%2)").arg(regeln[r].ziel, regeln[r].zeitText()));
            if (regeln[r].dunkel()) {
                if (gezeigt_ != kDunkel) dunkel({});
            } else {
                spielen(regeln[r].ziel);
            }
        } else {
            if (!regeln.empty()) melde(QStringLiteral("schedule: no rule; own run list ") + eigene_);
            spielen(eigene_);
        }
    }
    zustandZeigen(w);
}

void ZeitplanSteuerung::spielen(const QString& ziel) {
    if (ziel.isEmpty()) {
        // No run list of the owner's: what is loaded plays on.
        if (gezeigt_ == kDunkel) TimerAn_Click(f_);
        gezeigt_.clear();
        return;
    }
    if (ziel == gezeigt_) return;
    const QStringList& namen = f_.AlleLL.liste();
    int i = int(namen.indexOf(ziel));
    for (int k = 0; i < 0 && k < namen.size(); ++k)
        if (namen[k].compare(ziel, Qt::CaseInsensitive) == 0) i = k;
    if (i < 0) return dunkel(QStringLiteral("Die Lauf-Liste „%1“ gibt es nicht.").arg(ziel));
    wähltSelbst_ = true;
    f_.AlleLL.wähle(i);
    f_.Start.setzeWert(1);
    wähltSelbst_ = false;
    bool spielbar = false;
    for (int k = 0; !spielbar && k < f_.LaufListe.anzahl(); ++k)
        spielbar = dateiVorhanden(dateiFinden(f_.LaufListe.eintrag(k), f_.DarstellungsEndung));
    if (!spielbar) return dunkel(QStringLiteral("In der Lauf-Liste „%1“ gibt es keine Darstellung.").arg(ziel));
    gezeigt_ = ziel;
}

void ZeitplanSteuerung::dunkel(const QString& warum) {
    gezeigt_ = kDunkel;
    // The schedule's own label says that it is dark; the status line keeps its message.
    AnzeigeDunkel(f_, false);
    if (!warum.isEmpty()) {
        melde(QStringLiteral("schedule: ") + warum + QStringLiteral(" Die Anzeige bleibt dunkel."));
        f_.Statuszeile.setzeText(QStringLiteral("Zeitplan: ") + warum + QStringLiteral(" Die Anzeige bleibt dunkel."));
    }
}

void ZeitplanSteuerung::vonHandGewählt(bool laufListe) {
    if (!gestartet_) return;
    if (laufListe) eigene_ = f_.AlleLL.text();
    gezeigt_ = laufListe ? eigene_ : kVonHand;
    const Wandzeit w = wandzeit(f_.jetzt().toMSecsSinceEpoch());
    nächster_ = nächsterWechsel(stand_.plan.regeln, w);
    if (!nächster_) return zustandZeigen(w);
    vonHand_ = true;
    vonHandBis_ = nächster_->wann;
    melde(QStringLiteral("schedule: chosen by hand until ") + wechselText(vonHandBis_, w));
    zustandZeigen(w);
}

void ZeitplanSteuerung::zustandZeigen(Wandzeit w) {
    const auto& regeln = stand_.plan.regeln;
    if (regeln.empty()) return Zustand.setzeText(QStringLiteral("Kein Zeitplan"));
    QString jetzt;
    if (vonHand_) jetzt = QStringLiteral("von Hand gewählt, bis zur nächsten Änderung");
    else if (regel_ >= 0) jetzt = regeln[regel_].ziel + QStringLiteral(" (") + regeln[regel_].zeitText() + u')';
    else jetzt = eigene_.isEmpty() ? QStringLiteral("keine Regel") : QStringLiteral("eigene Lauf-Liste ") + eigene_;
    QString dann = QStringLiteral("keine");
    if (nächster_)
        dann = wechselText(nächster_->wann, w) + u' ' +
               (nächster_->regel >= 0 ? regeln[nächster_->regel].ziel : QStringLiteral("eigene Lauf-Liste"));
    Zustand.setzeText(QStringLiteral("Jetzt: ") + jetzt + QStringLiteral(", nächste Änderung: ") + dann);
}

void ZeitplanSteuerung::melde(const QString& zeile) { f_.ablauf.melde(zeile); }

} // namespace glanzzug
