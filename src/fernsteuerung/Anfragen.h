#pragma once
#include <QByteArray>
#include <QString>

namespace glanzzug {

struct Fenster;

// The remote control's requests under /api/, answered on the element models exactly as
// the window's controls change them: nothing here plays, loads or switches by itself.
struct Anfragen {
    enum class Methode { Get, Post, Put, Andere };
    struct Antwort {
        int status = 200;
        QByteArray json; // the body, UTF-8 JSON
    };

    Fenster& f;
    QString portBeschreibung; // shown as "port" in the status

    // Answers one request: `pfad` is the decoded path (e.g. "/api/runlists/Abend"),
    // `körper` the request body (JSON, except for a picture, which is its raw bytes).
    // Unknown paths give 404, a known path with another method 405; bad input gives 400,
    // 404, 409, 413, 415 or 422 and changes nothing. Every refusal is
    // {"code": WORD, "meldung": a German sentence for the person}.
    Antwort beantworten(Methode methode, const QString& pfad, const QByteArray& körper);

    // The largest body a request may have, in bytes; looked up before the body is read
    // (a longer one gets 413 and is never read).
    static qint64 größterKörper(Methode methode, const QString& pfad);

    // {"presentation", "runList", "playing", "timer", "mode", "modeName", "pass",
    //  "display": {"width", "height"}, "port", "text", "textMode", "entry", "paused",
    //  "pauseText", "dark", "schedule" (AnfragenZeitplan.h)}
    QByteArray status() const;
};

} // namespace glanzzug
