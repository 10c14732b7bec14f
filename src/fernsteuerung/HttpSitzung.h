#pragma once
#include "Anfragen.h"
#include "Netz.h"
#include "Pforte.h"
#include <array>
#include <memory>
#include <optional>

namespace glanzzug {

struct Umgebung;

// One HTTP connection on the network thread: reads a request, answers it, and only then
// reads the next, so that a client that does not read its answers is no longer read
// (pipelined requests are answered one by one, in order, and nothing queues up).
//
// Each step has its deadline (Fristen): the head from its first byte (on a new connection
// from its opening), the body scaled by its length, the wait between requests, and
// the answer leaving. The head may hold kGrößterKopf bytes and kMeisteKopfzeilen lines
// (431 beyond), the body Anfragen::größterKörper (413 beyond, before it is read). Requests
// under /api/ need the token; those go to the element models' thread and their answer
// comes back. "Connection: close" and HTTP/1.0 close after the answer; so does every
// refusal that leaves a body unread. An upgrade to /api/live goes on as a LiveSitzung.
class HttpSitzung : public std::enable_shared_from_this<HttpSitzung> {
public:
    struct Fehler;
    HttpSitzung(netz::tcp::socket socket, Umgebung& u);
    // Takes its slot (kept until the session goes) and reads the first request.
    void starten(std::unique_ptr<Pforte::Platz> platz);
    void abbrechen();

private:
    void warten();
    void kopfLesen();
    void kopfGelesen(netz::Fehlercode e);
    void körperGelesen(netz::Fehlercode e);
    void liveAnnehmen();
    void bearbeiten(QByteArray körper);
    void verwerfen();
    void ablehnen(const Fehler& f, const char* grund = nullptr);
    void senden(unsigned status, QByteArray körper, QByteArray typ, bool schließen);
    void ausklingen();
    const std::string& adresse() const { return platz_->adresse(); }

    netz::beast::tcp_stream stream_;
    Umgebung& u_;
    std::unique_ptr<Pforte::Platz> platz_;
    netz::beast::flat_buffer puffer_;
    std::optional<netz::http::request_parser<netz::http::empty_body>> kopf_;
    std::optional<netz::http::request_parser<netz::http::string_body>> körper_;
    netz::http::response<netz::http::string_body> antwort_;
    Anfragen::Methode methode_ = Anfragen::Methode::Andere;
    QString pfad_;
    bool bleiben_ = false; // keep the connection after this answer
    // Waiting for the element models: their answer to request number nummer_.
    netz::asio::steady_timer modellUhr_;
    std::optional<Anfragen::Antwort> modellAntwort_;
    unsigned nummer_ = 0;
    std::array<char, 4096> abfall_{};
    std::size_t ausklang_ = 0;
    bool offen_ = true;
};

} // namespace glanzzug
