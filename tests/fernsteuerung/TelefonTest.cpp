// What the phone does to the sign, answered by Anfragen directly on a wired window: texts
// saved into presentations, playing one presentation while the run list pauses, editing
// the run list, the dark sign, pictures from the phone, and every refusal in German.
#include "Anfragen.h"
#include "BildAblegen.h"
#include "FernsteuerungStarten.h"
#include "NamenListen.h"
#include "TestHilfen.h"
#include <QBuffer>
#include <QDirIterator>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <gtest/gtest.h>
#include <map>
#include <string_view>

using namespace glanzzug;
using namespace glanzzug::test;
using M = Anfragen::Methode;

namespace {
QByteArray bildBytes(const char* format) {
    // Qt writes no GIF: one transparent pixel.
    if (format == std::string_view("GIF"))
        return QByteArray("GIF89a\x01\x00\x01\x00\x80\x00\x00\x00\x00\x00\xff\xff\xff!\xf9\x04\x01\x00\x00\x00\x00,"
                          "\x00\x00\x00\x00\x01\x00\x01\x00\x00\x02\x02D\x01\x00;", 43);
    QByteArray b;
    QBuffer puffer(&b);
    puffer.open(QIODevice::WriteOnly);
    einfarbig(4, 3, RGB(255, 0, 0)).save(&puffer, format);
    return b;
}

// A folder with two text presentations, an animation and the run list "Abend" of all
// three, playing from its first entry.
struct Telefon : ::testing::Test {
    TestOrdner ordner;
    TestFenster t;
    Fenster& f = t.f;
    Anfragen a{f, QStringLiteral("test")};

    void SetUp() override {
        schreib("Lauf.LSL", "AuWa=0\r\nText=alt\r\nTemp=10\r\n");
        schreib("Zwei.LSL", "AuWa=0\r\nText=zwei\r\nTemp=10\r\nAniZ=3\r\n");
        schreib("Bilder.LSL", "AuWa=1\r\nAniB=a.bmp/b.bmp/\r\nTemp=10\r\nWaZe=10\r\nUhr1=0\r\n");
        schreib("Abend.LAL", "Lauf\r\nBilder\r\nZwei\r\n");
        schreib("zug.jpg", bildBytes("JPG"));
        f.DarstellungsEndung = QStringLiteral(".LSL");
        f.LaufListenEndung = QStringLiteral(".LAL");
        f.AniFiles.aktualisieren();
        DateiListenAktualisieren(f);
        f.Start.setzeWert(1);
        f.AlleLL.wähle(int(f.AlleLL.liste().indexOf("Abend")));
    }
    QJsonObject json(M m, const QString& pfad, const QByteArray& körper, int status = 200) {
        const Anfragen::Antwort r = a.beantworten(m, pfad, körper);
        EXPECT_EQ(r.status, status) << pfad.toStdString() << ' ' << r.json.data();
        return QJsonDocument::fromJson(r.json).object();
    }
    void ticks(int n) {
        for (int i = 0; i < n; ++i) f.T.ablaufen();
    }
};

// Every file of the folder with its content.
std::map<QString, QByteArray> ordnerInhalt() {
    std::map<QString, QByteArray> m;
    for (QDirIterator i(QStringLiteral("."), QDir::Files); i.hasNext();) m[i.next()] = lies(i.filePath());
    return m;
}
} // namespace

TEST_F(Telefon, VerweigerungenSagenWarumUndÄndernNichts) {
    ASSERT_EQ(f.AlleLS.text(), QStringLiteral("Lauf"));
    json(M::Post, "/api/play", R"({"presentation":"Bilder"})"); // an animation on show
    QByteArray groß(kGrößtesBildHochladen + 1, 'x');
    groß.replace(0, 3, "\xFF\xD8\xFF");
    const struct {
        M methode;
        QString pfad;
        QByteArray körper;
        int status;
        const char* code;
    } fälle[] = {
        {M::Put, "/api/text", R"({"text":""})", 409, "leererText"},
        {M::Put, "/api/text", R"({"text":"x"})", 409, "keinTextModus"},
        {M::Put, "/api/text", R"({"text":"x","save":true})", 409, "keinTextModus"},
        {M::Put, "/api/text", R"({"text":"x","save":true,"presentation":"Fehlt"})", 404, "unbekannt"},
        {M::Put, "/api/text", R"({"text":"x","presentation":"Lauf"})", 400, "nichtAufAnzeige"},
        {M::Put, "/api/text", R"({"text":"Zug \u0101"})", 422, "zeichenNichtMoeglich"},
        {M::Post, "/api/runlist/play", R"({"index":3})", 404, "keinEintrag"},
        {M::Post, "/api/runlist/play", R"({"index":"0"})", 400, "ungueltigeAnfrage"},
        {M::Post, "/api/runlist/move", R"({"index":0,"to":3})", 404, "keinEintrag"},
        {M::Post, "/api/runlist/insert", R"({"index":4,"presentation":"Lauf"})", 404, "keinEintrag"},
        {M::Post, "/api/runlist/insert", R"({"index":0,"presentation":"Fehlt"})", 404, "unbekannt"},
        {M::Post, "/api/runlist/remove", R"({"index":-1})", 404, "keinEintrag"},
        {M::Post, "/api/dark", R"({"on":1})", 400, "ungueltigeAnfrage"},
        {M::Put, "/api/pictures/x.jpg", "kein Bild", 415, "keinBild"},
        {M::Put, "/api/pictures/x.jpg", "\xFF\xD8\xFF kaputt", 415, "bildNichtLesbar"},
        {M::Put, "/api/pictures/x.png", bildBytes("JPG"), 400, "ungueltigerName"},
        {M::Put, "/api/pictures/.jpg", bildBytes("JPG"), 400, "ungueltigerName"},
        {M::Put, "/api/pictures/a\\b.jpg", bildBytes("JPG"), 400, "ungueltigerName"},
        {M::Put, "/api/pictures/ā.jpg", bildBytes("JPG"), 400, "ungueltigerName"},
        {M::Put, "/api/pictures/zug.jpg", bildBytes("JPG"), 409, "nameVergeben"},
        {M::Put, "/api/pictures/groß.jpg", groß, 413, "zuGross"},
        {M::Post, "/api/picturelist", R"({"presentation":"Zwei","picture":"fehlt.bmp"})", 404, "unbekannt"},
        {M::Get, "/api/gibtsnicht", {}, 404, "unbekannteAnfrage"},
        {M::Post, "/api/pictures", {}, 405, "methodeNichtErlaubt"},
    };
    const QByteArray stand = a.status();
    const auto dateien = ordnerInhalt();
    for (const auto& fall : fälle) {
        SCOPED_TRACE(fall.pfad.toStdString() + ' ' + fall.körper.left(60).toStdString());
        const QJsonObject o = json(fall.methode, fall.pfad, fall.körper, fall.status);
        EXPECT_EQ(o.value("code").toString(), QString::fromLatin1(fall.code));
        const QString meldung = o.value("meldung").toString();
        EXPECT_TRUE(meldung.endsWith(u'.') || meldung.endsWith(u'?')) << meldung.toStdString();
        EXPECT_EQ(o.size(), 2);
        EXPECT_EQ(a.status(), stand);
        EXPECT_EQ(ordnerInhalt(), dateien);
    }
}

TEST_F(Telefon, GespeicherterTextBleibtUndErreichtDieAnzeigeBeimNächstenTick) {
    ticks(3);
    const int position = f.LaufListe.listIndex();
    json(M::Put, "/api/text", R"({"text":"Heute frisch","save":true,"presentation":"Lauf"})");
    EXPECT_EQ(f.Txt.text(), QStringLiteral("Heute frisch"));
    EXPECT_TRUE(lies("Lauf.LSL").contains("\r\nText=Heute frisch\r\n"));
    // The run list plays on from where it was.
    EXPECT_TRUE(f.Start.gesetzt());
    EXPECT_EQ(f.LaufListe.listIndex(), position);
    // The next tick that steps draws it and sends it (a tick that only ends a wait comes first).
    const bool wartet = f.DurchlaufStatus == 1 || f.DurchlaufStatus == 4;
    const std::size_t geschrieben = t.port.schreiben.size();
    int n = 0;
    while (f.Gezeichnet != u"Heute frisch" && n < 5) {
        f.T.ablaufen();
        ++n;
    }
    EXPECT_LE(n, wartet ? 2 : 1);
    EXPECT_GT(t.port.schreiben.size(), geschrieben);

    // Another presentation: only its text line changes, the window stays as it is.
    json(M::Put, "/api/text", R"({"text":"Für morgen","save":true,"presentation":"Zwei"})");
    EXPECT_EQ(lies("Zwei.LSL"), QByteArray("AuWa=0\r\nText=F\xFCr morgen\r\nTemp=10\r\nAniZ=3\r\n"));
    EXPECT_EQ(f.Txt.text(), QStringLiteral("Heute frisch"));
    EXPECT_EQ(f.AlleLS.text(), QStringLiteral("Lauf"));

    // The file changed on disk since it was read: refused, the newer file stays.
    schreib("Lauf.LSL", "AuWa=0\r\nText=von Hand\r\n");
    QFile datei(QStringLiteral("Lauf.LSL"));
    datei.open(QIODevice::ReadWrite);
    datei.setFileTime(QDateTime::currentDateTime().addSecs(60), QFileDevice::FileModificationTime);
    datei.close();
    const QJsonObject o = json(M::Put, "/api/text", R"({"text":"alt","save":true})", 409);
    EXPECT_EQ(o.value("code").toString(), QStringLiteral("dateiGeaendert"));
    EXPECT_EQ(lies("Lauf.LSL"), QByteArray("AuWa=0\r\nText=von Hand\r\n"));
}

TEST_F(Telefon, AbspielenPausiertDieLaufListeBisFortsetzen) {
    const QJsonObject st = json(M::Post, "/api/play", R"({"presentation":"Bilder"})");
    EXPECT_TRUE(st.value("paused").toBool());
    EXPECT_EQ(st.value("pauseText").toString(), QStringLiteral("Lauf-Liste „Abend“ pausiert"));
    EXPECT_FALSE(f.Start.gesetzt());
    EXPECT_TRUE(f.LaufListeFortsetzen.sichtbar());
    // The animation moves through its pictures and starts again, as inside the run list.
    QList<int> bilder;
    for (int i = 0; i < 8; ++i) {
        bilder << f.BildNr;
        f.T.ablaufen();
    }
    EXPECT_TRUE(bilder.contains(0) && bilder.contains(1)) << bilder.size();
    EXPECT_EQ(f.AlleLS.text(), QStringLiteral("Bilder"));

    json(M::Post, "/api/runlist/continue", "{}");
    EXPECT_TRUE(f.Start.gesetzt());
    EXPECT_EQ(f.LaufListe.listIndex(), 1); // the entry after the one that played last
    EXPECT_FALSE(f.LaufListePause.sichtbar() || f.LaufListeFortsetzen.sichtbar() || f.EinzelnAbspielen);

    // "ab hier abspielen", also on the entry that is selected already.
    for (const int i : {2, 2, 0}) {
        SCOPED_TRACE(i);
        f.AlleLS.setzeText(QString());
        const QJsonObject l = json(M::Post, "/api/runlist/play", QByteArray(R"({"index":)") + QByteArray::number(i) + "}");
        EXPECT_EQ(l.value("selected").toInt(), i);
        EXPECT_EQ(f.AlleLS.text(), f.LaufListe.eintrag(i));
        EXPECT_TRUE(f.Start.gesetzt());
    }
}

TEST_F(Telefon, LaufListeBearbeitenWieMitDenKnöpfenDesFensters) {
    const struct {
        const char* pfad;
        QByteArray körper;
        QStringList einträge;
        int gewählt; // stays on the entry that plays
    } schritte[] = {
        {"/api/runlist/insert", R"({"index":0,"presentation":"Zwei"})", {"Zwei", "Lauf", "Bilder", "Zwei"}, 1},
        {"/api/runlist/move", R"({"index":1,"to":3})", {"Zwei", "Bilder", "Zwei", "Lauf"}, 3},
        {"/api/runlist/move", R"({"index":2,"to":0})", {"Zwei", "Zwei", "Bilder", "Lauf"}, 3},
        {"/api/runlist/remove", R"({"index":2})", {"Zwei", "Zwei", "Lauf"}, 2},
        {"/api/runlist/insert", R"({"index":3,"presentation":"Bilder"})", {"Zwei", "Zwei", "Lauf", "Bilder"}, 2},
    };
    for (const auto& s : schritte) {
        SCOPED_TRACE(s.pfad + std::string(" ") + s.körper.toStdString());
        const QJsonObject l = json(M::Post, QString::fromLatin1(s.pfad), s.körper);
        EXPECT_EQ(f.LaufListe.einträge(), s.einträge);
        EXPECT_EQ(l.value("selected").toInt(), s.gewählt);
        EXPECT_EQ(f.AlleLS.text(), QStringLiteral("Lauf")); // nothing else loaded
    }
    EXPECT_EQ(lies("Abend.LAL"), QByteArray("Lauf\r\nBilder\r\nZwei\r\n"));
    json(M::Post, "/api/runlist/save", "{}");
    EXPECT_EQ(lies("Abend.LAL"), QByteArray("Zwei\r\nZwei\r\nLauf\r\nBilder\r\n"));
}

TEST_F(Telefon, DunkelBisWeiterAuchWennGespeichertWird) {
    ticks(2);
    json(M::Post, "/api/dark", R"({"on":true})");
    EXPECT_FALSE(f.T.an());
    EXPECT_TRUE(f.Statuszeile.text().contains(QStringLiteral("dunkel")));
    EXPECT_EQ(ledsNach(t.port, t.port.schreiben.size()), Leds{});
    // Saving switches the timer on; the sign stays dark all the same.
    const QJsonObject st = json(M::Put, "/api/text", R"({"text":"Nachts","save":true})");
    EXPECT_TRUE(st.value("dark").toBool());
    EXPECT_FALSE(f.T.an());
    json(M::Post, "/api/dark", R"({"on":false})");
    EXPECT_TRUE(f.T.an());
    EXPECT_FALSE(f.Dunkel);
    // "Timer an" in the window ends it as well.
    json(M::Post, "/api/dark", R"({"on":true})");
    f.TimerAn.klick();
    EXPECT_FALSE(f.Dunkel);
    EXPECT_EQ(f.Statuszeile.text(), QStringLiteral("Anzeige wieder an"));
}

TEST_F(Telefon, BildVomTelefonLiegtImOrdnerUndKommtInDieBilderListe) {
    for (const char* format : {"PNG", "BMP", "GIF", "JPG"}) {
        SCOPED_TRACE(format);
        const QString name = QStringLiteral("foto.") + QString::fromLatin1(format).toLower();
        const QByteArray bytes = bildBytes(format);
        ASSERT_FALSE(bytes.isEmpty());
        a.beantworten(M::Put, "/api/pictures/" + name, bytes);
        EXPECT_EQ(lies(name), bytes);
        EXPECT_TRUE(f.AniFiles.dateien().contains(name));
    }
    // Into a presentation that is not on show: its one picture line grows.
    json(M::Post, "/api/picturelist", R"({"presentation":"Bilder","picture":"foto.png"})");
    EXPECT_TRUE(lies("Bilder.LSL").contains("\r\nAniB=a.bmp/b.bmp/foto.png/\r\nTemp=10"));
    json(M::Post, "/api/picturelist", R"({"presentation":"Zwei","picture":"foto.gif"})");
    EXPECT_TRUE(lies("Zwei.LSL").endsWith("AniZ=3\r\nAniB=foto.gif/\r\n"));
    // Into the one on show: its list takes it and it is saved.
    json(M::Post, "/api/picturelist", R"({"presentation":"Lauf","picture":"zug.jpg"})");
    EXPECT_EQ(f.AniLi.einträge(), QStringList{"zug.jpg"});
    EXPECT_TRUE(lies("Lauf.LSL").contains("AniB=zug.jpg/"));

    const struct {
        M methode;
        const char* pfad;
        qint64 grenze;
    } grenzen[] = {{M::Put, "/api/pictures/x.jpg", kGrößtesBildHochladen},
                   {M::Get, "/api/pictures/x.jpg", 64 * 1024},
                   {M::Put, "/api/text", 64 * 1024}};
    for (const auto& g : grenzen) EXPECT_EQ(Anfragen::größterKörper(g.methode, g.pfad), g.grenze) << g.pfad;
}

TEST(TelefonAdressen, JedeErreichbareAdresseEinmal) {
    const QByteArray token(64, 'a');
    const QString ende = ":8080/#token=" + QString::fromLatin1(token);
    EXPECT_EQ(fernAdressen(QHostAddress("127.0.0.1"), 8080, token), QStringList{"http://127.0.0.1" + ende});
    for (const char* alle : {"0.0.0.0", "::"}) {
        const QStringList urls = fernAdressen(QHostAddress(alle), 8080, token);
        ASSERT_FALSE(urls.isEmpty());
        for (const QString& u : urls) {
            EXPECT_FALSE(u.contains("127.0.0.1") || u.contains("[::1]")) << u.toStdString();
            EXPECT_TRUE(u.endsWith(ende)) << u.toStdString();
        }
    }
}
