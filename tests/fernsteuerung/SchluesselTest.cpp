// The token file and the command line's address.
#include "FernsteuerungStarten.h"
#include "Schluessel.h"
#include "Server.h"
#include <QFileInfo>
#include <sys/stat.h>

using namespace glanzzug;
using namespace glanzzug::test;

TEST(Schlüssel, WirdEinmalAngelegtUndDannGelesen) {
    TestOrdner o;
    const QString pfad = o.ordner.path() + QStringLiteral("/neu/glanzzug/http-token");
    const QByteArray erster = Schlüssel::ladenOderErzeugen(pfad);
    EXPECT_EQ(erster.size(), 64);
    EXPECT_EQ(QByteArray::fromHex(erster).toHex(), erster); // hexadecimal: 256 bits
    struct stat st {};
    ASSERT_EQ(::stat(QFile::encodeName(pfad).constData(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0600u);
    ASSERT_EQ(::stat(QFile::encodeName(QFileInfo(pfad).absolutePath()).constData(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0700u);
    EXPECT_EQ(lies(pfad), erster + '\n');
    EXPECT_EQ(QDir(QFileInfo(pfad).absolutePath()).entryList(QDir::Files | QDir::Hidden), QStringList{"http-token"});
    EXPECT_EQ(Schlüssel::ladenOderErzeugen(pfad), erster);
    EXPECT_NE(Schlüssel::ladenOderErzeugen(o.ordner.path() + QStringLiteral("/zweiter")), erster);

    // A token the user wrote in: the first line, blanks around it dropped.
    schreib(QStringLiteral("eigen"), "  abcdefghijklmnopqrstuvwxyz-0123456789  \r\nRest\n");
    ::chmod("eigen", 0600);
    EXPECT_EQ(Schlüssel::ladenOderErzeugen(QStringLiteral("eigen")), "abcdefghijklmnopqrstuvwxyz-0123456789");
}

TEST(Schlüssel, UnbrauchbareDateienWerdenAbgelehnt) {
    TestOrdner o;
    schreib(QStringLiteral("kurz"), "0123456789abcdef\n");
    schreib(QStringLiteral("leer"), "");
    schreib(QStringLiteral("fremd"), "0123456789abcdef0123456789abcdef<script>\n");
    schreib(QStringLiteral("riesig"), QByteArray(8192, 'a'));
    QDir().mkdir(QStringLiteral("ordner"));
    for (const char* name : {"kurz", "leer", "fremd", "riesig"}) ::chmod(name, 0600); // not refused for their mode
    ASSERT_EQ(::mkfifo("rohr", 0600), 0); // would block a reader that waits for a writer
    for (const char* name : {"kurz", "leer", "fremd", "riesig", "ordner", "rohr", "kurz/unter-einer-datei"}) {
        EXPECT_THROW(Schlüssel::ladenOderErzeugen(QString::fromUtf8(name)), Schlüssel::Fehler) << name;
    }
    EXPECT_EQ(lies(QStringLiteral("kurz")), "0123456789abcdef\n"); // never replaced
}

TEST(Schlüssel, VergleichNurBeiGleichheitWahr) {
    const QByteArray s = "0123456789abcdef0123456789abcdef";
    EXPECT_TRUE(Schlüssel::gleich(s, s));
    for (const QByteArray& anders : {QByteArray(), s.left(31), s + "0", "1" + s.mid(1), s.left(31) + "F", QByteArray(32, '\0')})
        EXPECT_FALSE(Schlüssel::gleich(anders, s)) << anders.data();
    EXPECT_FALSE(Schlüssel::gleich(QByteArray(), QByteArray())); // no token admits no one
}

TEST(Kommandozeile, HttpAdresse) {
    // (text, address, port); an empty address: refused
    const std::tuple<const char*, const char*, int> fälle[] = {
        {"8080", "127.0.0.1", 8080},        {"0", "127.0.0.1", 0},          {"0.0.0.0:80", "0.0.0.0", 80},
        {"192.168.1.5:65535", "192.168.1.5", 65535}, {"[::1]:9000", "::1", 9000}, {"[::]:0", "::", 0},
        {"65536", "", 0},  {"-1", "", 0},  {"+80", "", 0},  {"", "", 0},  {"x", "", 0},  {"localhost:80", "", 0},
        {"1.2.3.4:", "", 0}, {"::1:80", "", 0}, {"[1.2.3.4]:80", "", 0}, {"[::1]", "", 0}, {"1.2.3.4:80:90", "", 0},
    };
    for (const auto& [text, adresse, port] : fälle) {
        const auto a = httpAdresseLesen(QString::fromUtf8(text));
        EXPECT_EQ(a.has_value(), *adresse != 0) << text;
        if (a && *adresse) {
            EXPECT_EQ(a->adresse, QHostAddress(QString::fromUtf8(adresse))) << text;
            EXPECT_EQ(a->port, port) << text;
        }
    }
}
