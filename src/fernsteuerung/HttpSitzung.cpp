#include "HttpSitzung.h"
#include "LiveAnsicht.h"
#include "LiveSitzung.h"
#include "Seite.h"
#include "Umgebung.h"
#include "Zugang.h"
#include <QUrl>
#include <limits>

namespace glanzzug {

using namespace netz;

// A refusal of the network layer: status, a short code for programs, a sentence for people.
struct HttpSitzung::Fehler {
    unsigned status;
    const char* code;
    const char* meldung;
};

namespace {
constexpr char kJson[] = "application/json; charset=utf-8";
// The page may load only its own files and talk only to this server.
constexpr char kSicherheit[] =
    "default-src 'none'; script-src 'self'; style-src 'self'; img-src 'self'; connect-src 'self'; "
    "frame-ancestors 'none'; base-uri 'none'; form-action 'none'";

Anfragen::Methode methode(http::verb v) {
    switch (v) {
    case http::verb::get: return Anfragen::Methode::Get;
    case http::verb::post: return Anfragen::Methode::Post;
    case http::verb::put: return Anfragen::Methode::Put;
    default: return Anfragen::Methode::Andere;
    }
}

bool istApi(const QString& pfad) { return pfad == u"/api" || pfad.startsWith(u"/api/"); }
bool istHttpFehler(const Fehlercode& e) { return &e.category() == &http::make_error_code(http::error::bad_target).category(); }

const HttpSitzung::Fehler kSyntax{400, "syntax", "Die Anfrage ist kein gültiges HTTP."};
const HttpSitzung::Fehler kKeinLive{400, "live", "Die Live-Ansicht ist ein WebSocket."};
const HttpSitzung::Fehler kSchlüssel{401, "token", "Der Schlüssel fehlt oder ist falsch."};
const HttpSitzung::Fehler kHerkunft{403, "herkunft", "Die Live-Ansicht wird nur der eigenen Seite gezeigt."};
const HttpSitzung::Fehler kUnbekannt{404, "unbekannt", "Diese Datei gibt es nicht."};
const HttpSitzung::Fehler kMethode{405, "methode", "Diese Methode ist hier nicht erlaubt."};
const HttpSitzung::Fehler kZuGroß{413, "zu-gross", "Der Inhalt der Anfrage ist zu groß."};
const HttpSitzung::Fehler kKopf{431, "kopf-zu-gross", "Die Kopfzeilen der Anfrage sind zu lang oder zu viele."};
const HttpSitzung::Fehler kVoll{503, "voll", "Es sind schon zu viele Live-Ansichten verbunden."};
const HttpSitzung::Fehler kBeschäftigt{503, "beschaeftigt", "Das Programm antwortet gerade nicht; bitte gleich noch einmal."};
} // namespace

HttpSitzung::HttpSitzung(tcp::socket socket, Umgebung& u)
    : stream_(std::move(socket)), u_(u), puffer_(grenzen::kGrößterKopf + 1024), modellUhr_(u.ioc) {}

void HttpSitzung::starten(std::unique_ptr<Pforte::Platz> platz) {
    platz_ = std::move(platz);
    stream_.expires_after(u_.fristen.kopf); // a new connection has this long for its first head
    kopfLesen();
}

void HttpSitzung::warten() {
    kopf_.reset();
    körper_.reset();
    if (puffer_.size() > 0) { // the next request is here already
        stream_.expires_after(u_.fristen.kopf);
        return kopfLesen();
    }
    stream_.expires_after(u_.fristen.ruhe);
    stream_.async_read_some(puffer_.prepare(4096), [s = shared_from_this()](Fehlercode e, std::size_t n) {
        if (e) return s->abbrechen();
        s->puffer_.commit(n);
        s->stream_.expires_after(s->u_.fristen.kopf);
        s->kopfLesen();
    });
}

void HttpSitzung::kopfLesen() {
    kopf_.emplace();
    kopf_->header_limit(std::uint32_t(grenzen::kGrößterKopf));
    // The body's limit depends on the request; it is looked up once the head is read.
    kopf_->body_limit(std::numeric_limits<std::uint64_t>::max());
    http::async_read_header(stream_, puffer_, *kopf_,
                            [s = shared_from_this()](Fehlercode e, std::size_t) { s->kopfGelesen(e); });
}

void HttpSitzung::kopfGelesen(Fehlercode e) {
    if (e == http::error::header_limit || e == http::error::buffer_overflow)
        return ablehnen(kKopf, "request head over 16 KB");
    if (e == beast::error::timeout) {
        platz_->pforte().abweisen(adresse(), "request head not complete in time");
        return abbrechen();
    }
    if (e && istHttpFehler(e) && e != http::error::end_of_stream) return ablehnen(kSyntax, "malformed request");
    if (e) return abbrechen();
    const auto& anfrage = kopf_->get();
    bleiben_ = anfrage.keep_alive() && anfrage.version() >= 11;
    if (std::size_t(std::distance(anfrage.begin(), anfrage.end())) > grenzen::kMeisteKopfzeilen)
        return ablehnen(kKopf, "more than 100 header lines");
    const beast::string_view ziel = anfrage.target();
    pfad_ = QUrl::fromEncoded(QByteArray(ziel.data(), qsizetype(ziel.size()))).path(QUrl::FullyDecoded);
    methode_ = methode(anfrage.method());
    if (websocket::is_upgrade(anfrage)) return liveAnnehmen();
    if (istApi(pfad_)) {
        if (!zugang::trägerGültig(anfrage[http::field::authorization], u_.schlüssel))
            return ablehnen(kSchlüssel, "missing or wrong token");
        platz_->berechtigen();
    }
    const std::uint64_t grenze = std::uint64_t(Anfragen::größterKörper(methode_, pfad_));
    if (kopf_->content_length().value_or(0) > grenze) return ablehnen(kZuGroß, "request body too large");
    if (kopf_->is_done()) return bearbeiten({});
    körper_.emplace(std::move(*kopf_));
    körper_->body_limit(grenze);
    const auto länge = körper_->content_length().value_or(grenze);
    stream_.expires_after(u_.fristen.körper + std::chrono::seconds(länge / grenzen::kKleinsteRate));
    http::async_read(stream_, puffer_, *körper_,
                     [s = shared_from_this()](Fehlercode e, std::size_t) { s->körperGelesen(e); });
}

void HttpSitzung::körperGelesen(Fehlercode e) {
    if (e == http::error::body_limit) return ablehnen(kZuGroß, "request body too large");
    if (e == beast::error::timeout) {
        platz_->pforte().abweisen(adresse(), "request body not complete in time");
        return abbrechen();
    }
    if (e) return abbrechen();
    std::string& körper = körper_->get().body();
    bearbeiten(QByteArray(körper.data(), qsizetype(körper.size())));
}

void HttpSitzung::bearbeiten(QByteArray körper) {
    if (!istApi(pfad_)) {
        const Seite::Datei* d = u_.seite.finden(pfad_);
        if (!d) return ablehnen(kUnbekannt);
        if (methode_ != Anfragen::Methode::Get) return ablehnen(kMethode);
        return senden(200, d->inhalt, d->typ, false);
    }
    if (pfad_ == u"/api/live") return ablehnen(kKeinLive);
    // Nothing is read meanwhile; the answer comes back through the timer, or the timer
    // runs out.
    ++nummer_;
    modellAntwort_.reset();
    modellUhr_.expires_after(u_.fristen.modell);
    modellUhr_.async_wait([s = shared_from_this()](Fehlercode) {
        if (!s->offen_) return;
        if (!s->modellAntwort_) return s->ablehnen(kBeschäftigt, "the player did not answer in time");
        const Anfragen::Antwort a = std::move(*s->modellAntwort_);
        s->senden(unsigned(a.status), a.json, kJson, false);
    });
    u_.fragen(methode_, pfad_, std::move(körper), [w = weak_from_this(), n = nummer_](Anfragen::Antwort a) {
        const auto s = w.lock();
        if (!s || s->nummer_ != n) return;
        s->modellAntwort_ = std::move(a);
        s->modellUhr_.cancel();
    });
}

void HttpSitzung::liveAnnehmen() {
    const auto& anfrage = kopf_->get();
    if (pfad_ != u"/api/live") return ablehnen(kUnbekannt);
    if (!zugang::trägerGültig(anfrage[http::field::authorization], u_.schlüssel) &&
        !zugang::abfrageGültig(anfrage.target(), u_.schlüssel))
        return ablehnen(kSchlüssel, "live view without a valid token");
    const auto herkunft = anfrage[http::field::origin];
    // A browser always names the page's origin; it must be this server itself. Clients
    // without an Origin are no browsers and hold the token.
    if (!herkunft.empty() && !zugang::herkunftPasst(herkunft, anfrage[http::field::host]))
        return ablehnen(kHerkunft, "live view from a foreign origin");
    if (u_.live.voll()) return ablehnen(kVoll, "too many live views");
    platz_->berechtigen();
    offen_ = false; // the connection is the live view's from here on
    stream_.expires_never();
    std::make_shared<LiveSitzung>(std::move(stream_), u_, std::move(platz_))->starten(kopf_->release());
}

void HttpSitzung::ablehnen(const Fehler& f, const char* grund) {
    if (grund) platz_->pforte().abweisen(adresse(), grund);
    const QByteArray körper = QByteArray("{\"code\":\"") + f.code + "\",\"meldung\":\"" + f.meldung + "\"}";
    // A body left unread, or a request that cannot be trusted to end where it seems to.
    const bool körperOffen = (kopf_ && !kopf_->is_done() && !körper_) || (körper_ && !körper_->is_done());
    senden(f.status, körper, kJson, körperOffen || f.status == 400 || f.status >= 413);
}

void HttpSitzung::senden(unsigned status, QByteArray körper, QByteArray typ, bool schließen) {
    antwort_ = {};
    antwort_.version(11);
    antwort_.result(status);
    antwort_.set(http::field::content_type, typ.toStdString());
    antwort_.set(http::field::cache_control, "no-store");
    antwort_.set("X-Content-Type-Options", "nosniff");
    antwort_.set("Referrer-Policy", "no-referrer");
    antwort_.set("Content-Security-Policy", kSicherheit);
    antwort_.body().assign(körper.constData(), std::size_t(körper.size()));
    bleiben_ = bleiben_ && !schließen;
    antwort_.keep_alive(bleiben_);
    antwort_.prepare_payload();
    // A client that does not read its answer is closed after the quiet time.
    stream_.expires_after(u_.fristen.ruhe);
    http::async_write(stream_, antwort_, [s = shared_from_this()](Fehlercode e, std::size_t) {
        if (e) return s->abbrechen();
        if (!s->bleiben_) return s->ausklingen();
        s->warten();
    });
}

// Shuts our side and drops what the client still sends for a moment, so that it sees the
// answer instead of a reset; then closes.
void HttpSitzung::ausklingen() {
    Fehlercode e;
    stream_.socket().shutdown(tcp::socket::shutdown_send, e);
    stream_.expires_after(u_.fristen.ausklang);
    verwerfen();
}

void HttpSitzung::verwerfen() {
    stream_.async_read_some(asio::buffer(abfall_), [s = shared_from_this()](Fehlercode e, std::size_t n) {
        s->ausklang_ += n;
        if (e || s->ausklang_ > grenzen::kAusklangBytes) return s->abbrechen();
        s->verwerfen();
    });
}

void HttpSitzung::abbrechen() {
    if (!offen_) return;
    offen_ = false;
    modellUhr_.cancel();
    Fehlercode e;
    stream_.socket().close(e);
}

} // namespace glanzzug
