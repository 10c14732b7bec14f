#pragma once
#include "Anfragen.h"
#include "Grenzen.h"
#include <QHostAddress>
#include <QObject>
#include <memory>

namespace glanzzug {

struct Fenster;

// The remote control: the page at "/" (every file of the page's resources by its name),
// the JSON requests under /api/ (Anfragen) and the live view at /api/live (WebSocket).
//
// The network runs in a thread of its own (Boost.Beast on its own io_context), one
// session per connection, each bounded as Grenzen.h says. The element models stay on
// this object's thread: an authorised request is handed to it as a queued call and the
// answer handed back; the frames for the live view go the other way, from the thread
// that plays (it never waits for the network). The requests wait in a mailbox under a
// mutex (at most one per connection); an event wakes this thread to answer them.
//
// Every /api/ request needs the token, as "Authorization: Bearer TOKEN" (the live view
// may give it as "?token=TOKEN" instead); a missing or wrong one gets 401. No CORS
// headers are sent; a live view whose Origin is not this server's own gets 403, one
// beyond LiveAnsicht::kMeisteZuschauer 503. Refusals made here answer
// {"code": "...", "meldung": "..."}.
class Fernsteuerung : public QObject {
public:
    static constexpr int kMeisteVerbindungen = grenzen::kMeisteVerbindungen;

    // `f` must outlive the server; while it lives, every frame sent goes to the live view.
    Fernsteuerung(Fenster& f, QByteArray schlüssel, QString portBeschreibung, grenzen::Fristen fristen = {});
    ~Fernsteuerung() override;

    // Listens on the address and port (0: a free one) and starts the network thread; once.
    // Returns the port, or 0 with the system's reason in `fehler` ("Address already in use").
    quint16 lauschen(const QHostAddress& adresse, quint16 port, QString* fehler = nullptr);
    // Live-view clients connected now.
    int liveZuschauer() const;

protected:
    // Answers the requests the network thread has left for the element models.
    bool event(QEvent* e) override;

private:
    struct Netz;
    Fenster& f_;
    Anfragen anfragen_;
    std::unique_ptr<Netz> netz_;
};

} // namespace glanzzug
