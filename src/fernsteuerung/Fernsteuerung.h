#pragma once
#include "Anfragen.h"
#include "LiveAnsicht.h"
#include <QAbstractHttpServer>
#include <QHostAddress>
#include <chrono>

class QTcpServer;

namespace glanzzug {

struct Fenster;

// The remote control's HTTP server, on the event thread like the window. Serves the page
// at "/" from the program's resources, the JSON requests under /api/ (Anfragen) and the
// live view at /api/live (WebSocket, LiveAnsicht).
//
// Every /api/ request needs the token, as "Authorization: Bearer TOKEN" (the WebSocket
// may give it as "?token=TOKEN" instead); a missing or wrong one gets 401. A request
// body over kGrößterKörper bytes gets 413 (the connection is closed when more than that
// arrives, so a client cannot fill the memory). No CORS headers are sent; a WebSocket
// with an Origin other than this server's own is refused (403), as is one beyond
// LiveAnsicht::kMeisteZuschauer (503). Beyond kMeisteVerbindungen open connections, new
// ones are closed at once, so that clients cannot use up the program's file descriptors.
class Fernsteuerung : public QAbstractHttpServer {
public:
    static constexpr qint64 kGrößterKörper = 64 * 1024;
    static constexpr int kMeisteVerbindungen = 128;

    // `f` must outlive the server; while it lives, every frame sent goes to the live view.
    Fernsteuerung(Fenster& f, QByteArray schlüssel, QString portBeschreibung);
    ~Fernsteuerung() override;

    // Listens on the address and port (0: a free one). Returns the port, 0 on failure.
    // An HTTP connection that stays silent for `ruhezeit` is closed.
    static constexpr std::chrono::milliseconds kRuhezeit{30'000};
    quint16 lauschen(const QHostAddress& adresse, quint16 port, std::chrono::milliseconds ruhezeit = kRuhezeit);
    LiveAnsicht& live() { return live_; }

protected:
    bool handleRequest(const QHttpServerRequest& anfrage, QTcpSocket* socket) override;
    void missingHandler(const QHttpServerRequest& anfrage, QTcpSocket* socket) override;

private:
    bool berechtigt(const QHttpServerRequest& anfrage, bool abfrageErlaubt) const;
    // The refusal of a WebSocket upgrade, 0 when it may go ahead.
    int liveAbweisung(const QHttpServerRequest& anfrage) const;
    void neueLiveVerbindungen();

    Fenster& f_;
    QByteArray schlüssel_;
    Anfragen anfragen_;
    LiveAnsicht live_;
    int abweisung_ = 0; // refusal of the upgrade just turned down, answered in missingHandler
};

} // namespace glanzzug
