// The remote control's JSON requests against a real server on a free loopback port: what
// each does to the window's models, the tokens, and every refusal leaving things as they were.
#include "Server.h"
#include <QJsonArray>

using namespace glanzzug;
using namespace glanzzug::test;

namespace {
QStringList liste(const HttpAntwort& a) {
    QStringList l;
    for (const QJsonValue& v : QJsonDocument::fromJson(a.körper).array()) l << v.toString();
    return l;
}
} // namespace

TEST(Api, TokenBewachtJedeAnfrage) {
    Server s;
    // (Authorization line or none, expected status)
    const std::pair<QByteArray, int> fälle[] = {
        {QByteArray(), 401},
        {"Bearer ", 401},
        {"Bearer " + kSchlüssel.chopped(1), 401},
        {"Bearer " + kSchlüssel + "x", 401},
        {"Bearer " + kSchlüssel.toUpper(), 401},
        {"Basic " + kSchlüssel, 401},
        {kSchlüssel, 401},
        {"Bearer " + kSchlüssel, 200},
        {"bEaReR  " + kSchlüssel + " ", 200}, // the scheme in any case
    };
    for (const auto& [autorisierung, status] : fälle) {
        for (const QByteArray pfad : {"/api/status", "/api/presentations", "/api/layout"})
            EXPECT_EQ(anfrage(s.port, "GET", pfad, {}, autorisierung).status, status) << autorisierung.data() << pfad.data();
        // Changing requests are refused before they change anything.
        EXPECT_EQ(anfrage(s.port, "POST", "/api/timer", R"({"on":false})", autorisierung).status, status);
        EXPECT_EQ(s.f.T.an(), status != 200);
        s.f.T.setzeAn(true);
    }
    // The token in the query is for the WebSocket only; unknown paths under /api/ are
    // refused before they are looked up.
    EXPECT_EQ(anfrage(s.port, "GET", "/api/status?token=" + kSchlüssel, {}, QByteArray()).status, 401);
    EXPECT_EQ(anfrage(s.port, "GET", "/api/gibtsnicht", {}, QByteArray()).status, 401);
    EXPECT_EQ(s.get("/api/gibtsnicht").status, 404);
    EXPECT_EQ(s.get("/api/play").status, 405);
}

TEST(Api, StatusNamenUndAnordnung) {
    Server s;
    s.f.AlleLL.setzeText(QStringLiteral("Abend"));
    s.f.Start.setzeWert(1);
    s.f.DurchlaufNummer = 2;
    const QJsonObject st = s.get("/api/status").json();
    const QJsonObject anzeige{{"width", int(s.f.DisplayBreite)}, {"height", s.f.DisplayHöhe}};
    const QJsonObject erwartet{{"runList", "Abend"}, {"playing", true}, {"timer", true}, {"mode", 0},
                               {"modeName", "Lauf-Text"}, {"pass", 2}, {"display", anzeige}, {"port", "test"}};
    for (auto i = erwartet.begin(); i != erwartet.end(); ++i) EXPECT_EQ(st.value(i.key()), i.value()) << i.key().toStdString();

    // The names as the window's combo boxes list them: sorted, without extension.
    EXPECT_EQ(liste(s.get("/api/presentations")), s.f.AlleLS.liste());
    EXPECT_EQ(liste(s.get("/api/presentations")), (QStringList{"Grüße", "Linie", "Punkt"}));
    EXPECT_EQ(liste(s.get("/api/runlists")), QStringList{"Abend"});
    EXPECT_EQ(liste(s.get("/api/runlists/Abend")), (QStringList{"Linie", "Punkt"}));

    s.f.ModulSichtbar[2].setzeToolTip(QStringLiteral("Unsichtbar"));
    s.f.ModulX[1] = 3.7;
    s.f.ModulY[1] = 14;
    const QJsonArray module = s.get("/api/layout").json().value("modules").toArray();
    ASSERT_EQ(module.size(), 6);
    // x: the LED the module's corner lies on
    EXPECT_EQ(module[1].toObject(), (QJsonObject{{"present", true}, {"x", 3}, {"y", 14}}));
    EXPECT_FALSE(module[2].toObject().value("present").toBool());
}

TEST(Api, SpielenWieImFenster) {
    Server s;
    int geklickt = 0;
    s.f.AlleLS.Click.verbinde([&] { ++geklickt; });
    s.f.Start.setzeWert(1);
    HttpAntwort a = s.post("/api/play", R"({"presentation":"Punkt"})");
    ASSERT_EQ(a.status, 200) << a.körper.data();
    // Picking it in the combo box: its Click loads the file (mode 3) and stops the run list.
    EXPECT_EQ(geklickt, 1);
    EXPECT_EQ(s.f.AlleLS.text(), QStringLiteral("Punkt"));
    EXPECT_EQ(s.f.AusWal.auswahl(), 3);
    EXPECT_EQ(a.json().value("presentation").toString(), QStringLiteral("Punkt"));
    EXPECT_EQ(a.json().value("modeName").toString(), QStringLiteral("PingPong"));
    EXPECT_FALSE(a.json().value("playing").toBool());

    // A run list loads its entries, its first presentation plays and the list runs on.
    a = s.post("/api/play", R"({"runList":"Abend"})");
    ASSERT_EQ(a.status, 200);
    EXPECT_EQ(s.f.LaufListe.einträge(), (QStringList{"Linie", "Punkt"}));
    EXPECT_EQ(s.f.LaufListe.listIndex(), 0);
    EXPECT_EQ(s.f.Start.wert(), 1);
    EXPECT_EQ(a.json().value("presentation").toString(), QStringLiteral("Linie"));
    EXPECT_EQ(a.json().value("mode").toInt(), 2);
    EXPECT_TRUE(a.json().value("playing").toBool());
}

TEST(Api, TextUndTimer) {
    Server s;
    int geändert = 0;
    s.f.Txt.Change.verbinde([&] { ++geändert; });
    HttpAntwort a = s.put("/api/text", R"({"text":"Grüße für 5 €"})");
    ASSERT_EQ(a.status, 200) << a.körper.data();
    EXPECT_EQ(s.f.Txt.text(), QStringLiteral("Grüße für 5 €"));
    EXPECT_EQ(geändert, 1);
    EXPECT_TRUE(s.put("/api/text", R"({"text":"","confirmEmpty":true})").status == 200 && s.f.Txt.text().isEmpty());

    int an = 0, aus = 0;
    s.f.TimerAn.Click.verbinde([&] { ++an; });
    s.f.TimerAus.Click.verbinde([&] { ++aus; });
    a = s.post("/api/timer", R"({"on":false})");
    EXPECT_FALSE(s.f.T.an());
    EXPECT_FALSE(a.json().value("timer").toBool());
    a = s.post("/api/timer", R"({"on":true})");
    EXPECT_TRUE(s.f.T.an());
    EXPECT_TRUE(a.json().value("timer").toBool());
    EXPECT_EQ(an, 1);
    EXPECT_EQ(aus, 1);
}

TEST(Api, FalscheEingabenÄndernNichts) {
    Server s;
    s.f.Txt.setzeText(QStringLiteral("vorher"));
    s.f.AlleLS.setzeText(QStringLiteral("Punkt"));
    const QByteArray vorher = s.get("/api/status").körper;
    // (method, path, body, status, a part of the error message)
    const std::tuple<QByteArray, QByteArray, QByteArray, int, QString> fälle[] = {
        {"PUT", "/api/text", R"({"text":"abc")", 400, "JSON-Objekt"},
        {"PUT", "/api/text", "[]", 400, "JSON-Objekt"},
        {"PUT", "/api/text", R"({"text":5})", 400, "Der Text fehlt"},
        {"PUT", "/api/text", R"({"text":"Zug \u0101 fährt"})", 422, "„ā“ (U+0101)"},
        {"PUT", "/api/text", R"({"text":"Lok 🚂"})", 422, "U+1F682"},
        {"PUT", "/api/text", R"({"text":"zwei\nZeilen"})", 422, "U+000A"},
        {"PUT", "/api/text", R"({"text":"a\ud800b"})", 422, "Zeichen U+D800"},
        {"PUT", "/api/text", R"({"text":")" + QByteArray(32768, 'a') + R"("})", 422, "länger"},
        {"POST", "/api/timer", R"({"on":"false"})", 400, "„an“ oder „aus“"},
        {"POST", "/api/timer", "", 400, "JSON-Objekt"},
        {"POST", "/api/play", R"({})", 400, "genau eine"},
        {"POST", "/api/play", R"({"presentation":"Punkt","runList":"Abend"})", 400, "genau eine"},
        {"POST", "/api/play", R"({"presentation":3})", 400, "genau eine"},
        {"POST", "/api/play", R"({"presentation":"Linie","runList":null})", 400, "genau eine"},
        {"POST", "/api/play", R"({"presentation":"../Linie"})", 400, "kein gültiger Name"},
        {"POST", "/api/play", R"({"presentation":"a\\b"})", 400, "kein gültiger Name"},
        {"POST", "/api/play", R"({"presentation":"Linie\u0000"})", 400, "kein gültiger Name"},
        {"POST", "/api/play", R"({"runList":"."})", 400, "kein gültiger Name"},
        {"POST", "/api/play", R"({"runList":".."})", 400, "kein gültiger Name"},
        {"POST", "/api/play", R"({"presentation":"Linie.LSL"})", 404, "gibt es nicht"},
        {"POST", "/api/play", R"({"presentation":"linie"})", 404, "gibt es nicht"},
        {"POST", "/api/play", R"({"runList":"Punkt"})", 404, "gibt es nicht"},
        {"GET", "/api/runlists/..", {}, 400, "kein gültiger Name"},
        {"GET", "/api/runlists/%2E%2E", {}, 400, "kein gültiger Name"},
        {"GET", "/api/runlists/a%2Fb", {}, 400, "kein gültiger Name"},
        {"GET", "/api/runlists/a%5Cb", {}, 400, "kein gültiger Name"},
        {"GET", "/api/runlists/Morgen", {}, 404, "gibt es nicht"},
        {"DELETE", "/api/text", {}, 405, ""},
    };
    for (const auto& [methode, pfad, körper, status, meldung] : fälle) {
        const HttpAntwort a = anfrage(s.port, methode, pfad, körper);
        EXPECT_EQ(a.status, status) << methode.data() << ' ' << pfad.data() << ' ' << körper.left(60).data();
        EXPECT_TRUE(QString::fromUtf8(a.körper).contains(meldung)) << a.körper.data() << " lacks " << meldung.toStdString();
        EXPECT_EQ(s.get("/api/status").körper, vorher) << pfad.data() << ' ' << körper.left(60).data();
        EXPECT_EQ(s.f.Txt.text(), QStringLiteral("vorher"));
    }
}

TEST(Api, FristenSchließenLangsameUndStilleVerbindungen) {
    using namespace std::chrono_literals;
    grenzen::Fristen kurz;
    kurz.kopf = 300ms, kurz.ruhe = 600ms, kurz.liveStille = 200ms, kurz.livePong = 500ms;
    Server s(kurz);
    // A connection that sends nothing, one that sends its head a byte at a time, one
    // that stops after an answer, one that goes on asking; a live view that answers
    // pings, one that never does.
    QTcpSocket still, tröpfelnd, fertig, fragend, stumm;
    for (QTcpSocket* v : {&still, &tröpfelnd, &fertig, &fragend, &stumm}) v->connectToHost(QStringLiteral("127.0.0.1"), s.port);
    stumm.write("GET /api/live?token=" + kSchlüssel + " HTTP/1.1\r\nHost: x\r\nUpgrade: websocket\r\nConnection: Upgrade\r\n"
                "Sec-WebSocket-Key: dGhlIHNhbXBsZSBub25jZQ==\r\nSec-WebSocket-Version: 13\r\n\r\n");
    fertig.write("GET /seite.css HTTP/1.1\r\nHost: x\r\n\r\n");
    Zuschauer live(s.port);
    ASSERT_TRUE(live.verbunden());
    QElapsedTimer uhr;
    uhr.start();
    for (int i = 0; uhr.elapsed() < 1500; ++i) {
        tröpfelnd.write(QByteArray("GET / HTTP/1.1\r\n").mid(i % 16, 1));
        if (i % 10 == 0) fragend.write("GET /seite.css HTTP/1.1\r\nHost: x\r\n\r\n");
        warten([] { return false; }, 20);
        fragend.readAll();
    }
    for (QTcpSocket* v : {&still, &tröpfelnd, &fertig, &stumm}) EXPECT_EQ(v->state(), QAbstractSocket::UnconnectedState);
    EXPECT_TRUE(fertig.readAll().startsWith("HTTP/1.1 200"));
    EXPECT_EQ(fragend.state(), QAbstractSocket::ConnectedState);
    EXPECT_FALSE(live.getrennt);
}

TEST(Api, SeiteOhneTokenUndOhneCors) {
    Server s;
    const HttpAntwort seite = anfrage(s.port, "GET", "/", {}, QByteArray());
    EXPECT_EQ(seite.status, 200);
    EXPECT_TRUE(seite.kopf.contains("Content-Type: text/html"));
    EXPECT_TRUE(seite.körper.contains("<canvas"));
    for (const QByteArray pfad : {"/seite.js", "/seite.css"})
        EXPECT_EQ(anfrage(s.port, "GET", pfad, {}, QByteArray()).status, 200) << pfad.data();
    EXPECT_EQ(anfrage(s.port, "GET", "/../etc/passwd", {}, QByteArray()).status, 404);
    EXPECT_EQ(anfrage(s.port, "POST", "/", "{}", QByteArray()).status, 405);

    // Even when a foreign page asks, nothing invites it to read the answers.
    const HttpAntwort fremd = roh(s.port, 
        "GET /api/status HTTP/1.1\r\nHost: 127.0.0.1\r\nOrigin: http://boese.example\r\nAuthorization: Bearer " +
        kSchlüssel + "\r\n\r\n");
    EXPECT_EQ(fremd.status, 200);
    const HttpAntwort vorab = roh(s.port, "OPTIONS /api/status HTTP/1.1\r\nHost: 127.0.0.1\r\nOrigin: http://boese.example\r\n"
                                    "Access-Control-Request-Method: PUT\r\n\r\n");
    for (const HttpAntwort& a : {seite, fremd, vorab}) EXPECT_FALSE(a.kopf.toLower().contains("access-control")) << a.kopf.data();
    EXPECT_EQ(vorab.status, 401);
}
