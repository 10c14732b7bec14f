#pragma once
#include "Auswertung.h"
#include "Beschriftung.h"
#include "ZeitplanDatei.h"
#include <QObject>
#include <QTimer>
#include <functional>

namespace glanzzug {

struct Fenster;

// Applies the weekly schedule to the window: at start, at every minute boundary, after
// the file changed and after the wall clock jumped (against the monotonic clock), it
// works out the rule in force. When that changes, it does what a person would do: picks
// the run list in AlleLL and ticks Start (the same handlers as a click), or lets the
// sign rest dark. Outside every rule the owner's own run list plays: the one
// "Letzte Lauf-Liste" named at start, or the one picked by hand since. A run list the
// schedule picked is never remembered as that choice. A run list or presentation picked
// by hand (in the window or from the phone) holds until the next rule change.
class ZeitplanSteuerung : public QObject {
public:
    explicit ZeitplanSteuerung(Fenster& f);
    ~ZeitplanSteuerung() override;

    // Reads the file and applies the rule in force now, then checks every second. Call
    // after start-up (Form_Load; headless after "Timer an").
    void starten();
    // One check; what the timer calls once a second. Within a second of the last check it
    // only reads the monotonic clock; after that it works the rule out when the minute
    // changed, the file changed, or the wall clock jumped.
    void prüfen();

    // The monotonic clock in ms (seam for tests; steady_clock by default).
    std::function<qint64()> monoton;

    const ZeitplanStand& stand() const { return stand_; }
    // Checks and saves new lines (see zeitplanDateiSchreiben: only over a file that still
    // holds `gelesen`, the bytes the editing began from), then applies them at once.
    // False with the reason and the line number.
    bool speichern(const QStringList& zeilen, const QByteArray& gelesen, QString* grund, int* zeile = nullptr);

    // What holds now, for the status: the rule's index (-1: none), its next change.
    int regel() const { return regel_; }
    std::optional<Wechsel> nächster() const { return nächster_; }
    bool vonHand() const { return vonHand_; }
    const QString& eigeneLaufListe() const { return eigene_; }
    // "Jetzt: Werbung (Mo-Fr 08:00-18:30), nächste Änderung: Fr 18:30 dunkel"
    Beschriftung Zustand;

    // The schedule working on this window, if any (for the remote control).
    static ZeitplanSteuerung* von(const Fenster& f);

private:
    void neuLesen();
    void auswerten(Wandzeit w, bool neu);
    void spielen(const QString& ziel);
    void dunkel(const QString& warum);
    void vonHandGewählt(bool laufListe);
    void zustandZeigen(Wandzeit w);
    void melde(const QString& zeile);

    Fenster& f_;
    QTimer uhr_;
    ZeitplanStand stand_;
    qint64 dateiStempel_ = -1;
    int regel_ = -2; // -2: not yet worked out
    std::optional<Wechsel> nächster_;
    QString eigene_;   // the owner's run list
    QString gezeigt_;  // what the schedule put on: a run list's name, "dunkel", or empty
    bool vonHand_ = false;
    Wandzeit vonHandBis_ = 0;
    bool wähltSelbst_ = false;
    qint64 letzteWand_ = 0, letzteMono_ = 0, letzteMinute_ = -1;
    bool gestartet_ = false;
};

} // namespace glanzzug
