#include "Textdatei.h"
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>

using namespace glanzzug;

namespace {
QString schreibeRoh(const QTemporaryDir& d, const char* name, const QByteArray& bytes) {
    const QString pfad = d.filePath(QString::fromLatin1(name));
    QFile f(pfad);
    f.open(QIODevice::WriteOnly);
    f.write(bytes);
    return pfad;
}
QByteArray inhalt(const QString& pfad) {
    QFile f(pfad);
    f.open(QIODevice::ReadOnly);
    return f.readAll();
}
} // namespace

TEST(Textdatei, JedesZeilenendeTrenntZeilen) {
    QTemporaryDir d;
    EXPECT_EQ(*leseZeilen(schreibeRoh(d, "crlf", "A\r\nB\r\n")), (QStringList{"A", "B"}));
    EXPECT_EQ(*leseZeilen(schreibeRoh(d, "lf", "A\nB\n")), (QStringList{"A", "B"}));
    EXPECT_EQ(*leseZeilen(schreibeRoh(d, "cr", "A\rB")), (QStringList{"A", "B"}));
    EXPECT_EQ(*leseZeilen(schreibeRoh(d, "leer", "A\r\n\r\nB")), (QStringList{"A", "", "B"}));
    EXPECT_EQ(*leseZeilen(schreibeRoh(d, "lfcr", "A\n\rB")), (QStringList{"A", "", "B"}));
    EXPECT_TRUE(leseZeilen(schreibeRoh(d, "nichts", ""))->isEmpty());
    EXPECT_FALSE(leseZeilen(d.filePath("fehlt")));
    EXPECT_FALSE(leseErsteZeile(schreibeRoh(d, "nichts2", "")));
    EXPECT_EQ(*leseErsteZeile(schreibeRoh(d, "zwei", "erste\r\nzweite\r\n")), u"erste");
}

TEST(Textdatei, Windows1252HinUndZurück) {
    QTemporaryDir d;
    const QString pfad = d.filePath("t");
    ASSERT_TRUE(schreibeZeilenAtomar(pfad, {QStringLiteral("+Lös=ÄÖÜäöüß€"), QString()}));
    EXPECT_EQ(inhalt(pfad), QByteArray("+L\xf6s=\xc4\xd6\xdc\xe4\xf6\xfc\xdf\x80\r\n\r\n"));
    EXPECT_EQ(leseZeilen(pfad)->first(), QStringLiteral("+Lös=ÄÖÜäöüß€"));
    EXPECT_TRUE(inWindows1252(u"Grüße €"));
    EXPECT_FALSE(inWindows1252(u"→"));
    EXPECT_EQ(nurWindows1252(QStringLiteral("a→b€")), QStringLiteral("ab€"));
}

TEST(Textdatei, FehlgeschlagenesSchreibenLässtDieAlteDateiStehen) {
    QTemporaryDir d;
    const QString pfad = d.filePath("alt");
    ASSERT_TRUE(schreibeZeilenAtomar(pfad, {QStringLiteral("alt")}));
    // A folder without write permission: the temporary file cannot be created.
    if (::geteuid() != 0) {
        ::chmod(QFile::encodeName(d.path()).constData(), 0555);
        EXPECT_FALSE(schreibeZeilenAtomar(pfad, {QStringLiteral("neu")}));
        ::chmod(QFile::encodeName(d.path()).constData(), 0755);
        EXPECT_EQ(inhalt(pfad), QByteArray("alt\r\n"));
    }
    // A target that is a folder cannot be replaced; nothing else is touched.
    QDir(d.path()).mkdir("ordner");
    EXPECT_FALSE(schreibeZeilenAtomar(d.filePath("ordner"), {QStringLiteral("x")}));
    EXPECT_FALSE(schreibeZeilenAtomar(QString(), {QStringLiteral("x")}));
    EXPECT_EQ(inhalt(pfad), QByteArray("alt\r\n"));
    EXPECT_EQ(QDir(d.path()).entryList(QDir::Files), QStringList{"alt"});
}
