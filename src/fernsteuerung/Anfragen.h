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
    // `körper` the request body. Unknown paths give 404, a known path with another
    // method 405; bad input gives 400, 404 or 422 and changes nothing.
    Antwort beantworten(Methode methode, const QString& pfad, const QByteArray& körper);

    // {"presentation", "runList", "playing", "timer", "mode", "modeName", "pass",
    //  "display": {"width", "height"}, "port", "schedule" (AnfragenZeitplan.h)}
    QByteArray status() const;
};

} // namespace glanzzug
