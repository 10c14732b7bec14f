#include "Fernsteuerung.h"
#include "Fenster.h"
#include "HttpSitzung.h"
#include "LiveAnsicht.h"
#include "Pforte.h"
#include "Seite.h"
#include "Umgebung.h"
#include <QCoreApplication>
#include <QEvent>
#include <cstdio>
#include <cstring>
#include <mutex>
#include <optional>
#include <thread>

namespace glanzzug {

using namespace netz;

namespace {
QEvent::Type postEreignis() {
    static const auto typ = QEvent::Type(QEvent::registerEventType());
    return typ;
}
} // namespace

// Everything of the network thread. Pforte and Seite hold no Asio objects and outlive
// the io_context; the rest goes before it.
struct Fernsteuerung::Netz {
    Pforte pforte;
    Seite seite;
    asio::io_context ioc{1};
    LiveAnsicht live{ioc};
    Umgebung umgebung;
    tcp::acceptor akzeptor{ioc};
    asio::steady_timer pause{ioc};
    std::optional<asio::executor_work_guard<asio::io_context::executor_type>> arbeit;
    std::thread faden;

    // Requests for the element models, left by the network thread.
    struct Auftrag {
        Anfragen::Methode methode;
        QString pfad;
        QByteArray körper;
        std::function<void(Anfragen::Antwort)> fertig;
    };
    std::mutex postSperre;
    std::vector<Auftrag> post;

    Netz(QByteArray schlüssel, grenzen::Fristen fristen)
        : umgebung{ioc, pforte, live, seite, std::move(schlüssel), fristen, {}} {}

    void annehmen() {
        akzeptor.async_accept([this](Fehlercode e, tcp::socket s) {
            if (!akzeptor.is_open()) return;
            if (e) {
                // Out of file descriptors or the like: try again shortly instead of spinning.
                pause.expires_after(std::chrono::milliseconds(100));
                return pause.async_wait([this](Fehlercode p) { if (!p) annehmen(); });
            }
            aufnehmen(std::move(s));
            annehmen();
        });
    }

    void aufnehmen(tcp::socket s) {
        Fehlercode e;
        const tcp::endpoint gegenüber = s.remote_endpoint(e);
        if (e) return;
        auto sitzung = std::make_shared<HttpSitzung>(std::move(s), umgebung);
        auto platz = pforte.einlassen(gegenüber.address().to_string(), [w = std::weak_ptr(sitzung)] {
            if (auto x = w.lock()) x->abbrechen();
        });
        if (platz) sitzung->starten(std::move(platz));
    }

    void laufen() {
        for (;;) {
            try {
                ioc.run();
                return;
            } catch (const std::exception& x) {
                std::fprintf(stderr, "glanzzug: remote control: %s\n", x.what());
            }
        }
    }

    // Closes every connection; the thread ends when their last operations have.
    void beenden() {
        Fehlercode e;
        akzeptor.close(e);
        pause.cancel();
        pforte.alleSchließen();
        live.anhalten();
    }
};

Fernsteuerung::Fernsteuerung(Fenster& f, QByteArray schlüssel, QString portBeschreibung, grenzen::Fristen fristen)
    : f_(f), anfragen_{f, std::move(portBeschreibung)}, netz_(std::make_unique<Netz>(std::move(schlüssel), fristen)) {
    netz_->umgebung.fragen = [this](Anfragen::Methode m, QString pfad, QByteArray körper,
                                    std::function<void(Anfragen::Antwort)> fertig) {
        bool wecken = false;
        {
            const std::lock_guard sperre(netz_->postSperre);
            wecken = netz_->post.empty();
            netz_->post.push_back({m, std::move(pfad), std::move(körper), std::move(fertig)});
        }
        if (wecken) QCoreApplication::postEvent(this, new QEvent(postEreignis()));
    };
    f_.ablauf.frameGesendet = [n = netz_.get()](const std::uint8_t* bytes, int anzahl) {
        n->live.frameGesendet(bytes, anzahl);
    };
}

Fernsteuerung::~Fernsteuerung() {
    f_.ablauf.frameGesendet = nullptr;
    if (!netz_->faden.joinable()) return;
    asio::post(netz_->ioc, [n = netz_.get()] { n->beenden(); });
    netz_->arbeit.reset();
    netz_->faden.join();
}

quint16 Fernsteuerung::lauschen(const QHostAddress& adresse, quint16 port, QString* fehler) {
    Netz& n = *netz_;
    Fehlercode e;
    const tcp::endpoint ende(asio::ip::make_address(adresse.toString().toStdString(), e), port);
    if (!e && !n.faden.joinable()) n.akzeptor.open(ende.protocol(), e);
    if (!e) n.akzeptor.set_option(tcp::acceptor::reuse_address(true), e);
    if (!e) n.akzeptor.bind(ende, e);
    if (!e) n.akzeptor.listen(asio::socket_base::max_listen_connections, e);
    const tcp::endpoint gebunden = e ? tcp::endpoint() : n.akzeptor.local_endpoint(e);
    if (e) {
        if (fehler)
            *fehler = QString::fromLocal8Bit(e.category() == boost::system::system_category() ? std::strerror(e.value())
                                                                                                : e.message().c_str());
        Fehlercode zu;
        n.akzeptor.close(zu);
        return 0;
    }
    n.annehmen();
    n.arbeit.emplace(n.ioc.get_executor());
    n.faden = std::thread([&n] { n.laufen(); });
    return gebunden.port();
}

bool Fernsteuerung::event(QEvent* e) {
    if (e->type() != postEreignis()) return QObject::event(e);
    std::vector<Netz::Auftrag> aufträge;
    {
        const std::lock_guard sperre(netz_->postSperre);
        aufträge.swap(netz_->post);
    }
    for (Netz::Auftrag& a : aufträge) {
        Anfragen::Antwort antwort = anfragen_.beantworten(a.methode, a.pfad, a.körper);
        asio::post(netz_->ioc, [fertig = std::move(a.fertig), antwort = std::move(antwort)] { fertig(antwort); });
    }
    return true;
}

int Fernsteuerung::liveZuschauer() const { return netz_->live.anzahl(); }

} // namespace glanzzug
