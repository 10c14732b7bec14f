#include "LiveSitzung.h"
#include "LiveAnsicht.h"
#include "Umgebung.h"

namespace glanzzug {

using namespace netz;

LiveSitzung::LiveSitzung(beast::tcp_stream stream, Umgebung& u, std::unique_ptr<Pforte::Platz> platz)
    : ws_(std::move(stream)), u_(u), platz_(std::move(platz)), eingang_(grenzen::kGrößteLiveNachricht),
      wächter_(u.ioc) {}

LiveSitzung::~LiveSitzung() {
    if (angemeldet_) u_.live.abmelden(this);
}

void LiveSitzung::starten(http::request<http::empty_body> anfrage) {
    platz_->schließenMit([w = weak_from_this()] {
        if (auto s = w.lock()) s->abbrechen();
    });
    beast::get_lowest_layer(ws_).expires_never();
    websocket::stream_base::timeout zeit{};
    zeit.handshake_timeout = u_.fristen.kopf;
    zeit.idle_timeout = websocket::stream_base::none();
    zeit.keep_alive_pings = false;
    ws_.set_option(zeit);
    ws_.read_message_max(grenzen::kGrößteLiveNachricht);
    ws_.binary(true);
    // Pongs, pings and closes count as signs of life.
    ws_.control_callback([this](websocket::frame_type, beast::string_view) { gehört_ = Uhr::now(); });
    ws_.async_accept(anfrage, [s = shared_from_this()](Fehlercode e) {
        if (e) return s->abbrechen();
        s->gehört_ = Uhr::now();
        s->angemeldet_ = true;
        s->u_.live.anmelden(s.get());
        s->lesen();
        s->wachen();
    });
}

void LiveSitzung::lesen() {
    ws_.async_read(eingang_, [s = shared_from_this()](Fehlercode e, std::size_t) {
        if (e) return s->abbrechen();
        s->gehört_ = Uhr::now();
        s->eingang_.consume(s->eingang_.size());
        s->lesen();
    });
}

void LiveSitzung::wachen() {
    const auto jetzt = Uhr::now();
    if (pingt_ && gehört_ > gepingt_) pingt_ = false;
    if (pingt_ && jetzt - gepingt_ >= u_.fristen.livePong) {
        platz_->pforte().abweisen(platz_->adresse(), "live view closed: no answer to a ping");
        return abbrechen();
    }
    if (!pingt_ && jetzt - gehört_ >= u_.fristen.liveStille) {
        pingt_ = true;
        gepingt_ = jetzt;
        ws_.async_ping({}, [s = shared_from_this()](Fehlercode) {});
    }
    wächter_.expires_at(pingt_ ? gepingt_ + u_.fristen.livePong : gehört_ + u_.fristen.liveStille);
    wächter_.async_wait([s = shared_from_this()](Fehlercode e) {
        if (!e && s->offen_) s->wachen();
    });
}

void LiveSitzung::zeigen(const QByteArray& leds) {
    if (schreibt_ || !offen_ || leds == gesendet_) return;
    schreibt_ = true;
    unterwegs_ = leds;
    ws_.async_write(asio::buffer(unterwegs_.constData(), std::size_t(unterwegs_.size())),
                    [s = shared_from_this()](Fehlercode e, std::size_t) {
                        s->schreibt_ = false;
                        if (e) return s->abbrechen();
                        s->gesendet_ = s->unterwegs_;
                    });
}

void LiveSitzung::abbrechen() {
    if (!offen_) return;
    offen_ = false;
    if (angemeldet_) {
        u_.live.abmelden(this);
        angemeldet_ = false;
    }
    wächter_.cancel();
    Fehlercode e;
    beast::get_lowest_layer(ws_).socket().shutdown(tcp::socket::shutdown_both, e);
    beast::get_lowest_layer(ws_).socket().close(e);
}

} // namespace glanzzug
