#include "DisplaySpeichern.h"
#include "SkriptDialoge.h"
#include "TestFenster.h"
#include "Versatz.h"
#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

using namespace glanzzug;
using glanzzug::test::einfarbig;
using glanzzug::test::SkriptDialoge;
using glanzzug::test::TestFenster;
using glanzzug::test::TestOrdner;

TEST(DisplaySpeichern, NamensRegeln) {
    EXPECT_EQ(BmpDateiname(QStringLiteral("abc")), QStringLiteral("abc.bmp"));
    EXPECT_EQ(BmpDateiname(QStringLiteral("abc.bmp")), QStringLiteral("abc.bmp"));
    EXPECT_EQ(BmpDateiname(QStringLiteral("abc.BMP")), QStringLiteral("abc.BMP.bmp"));
    EXPECT_EQ(BmpDateiname(QStringLiteral("bmp")), QStringLiteral("bmp.bmp"));
    EXPECT_EQ(BmpDateiname(QStringLiteral("a.jpg")), QStringLiteral("a.jpg.bmp"));
}

TEST(DisplaySpeichern, SpeichertWasDasDisplayZeigtAls24BitBmp) {
    TestOrdner ordner;
    SkriptDialoge dialoge;
    TestFenster t;
    t.f.dialoge = &dialoge;
    t.f.Pic.setzeHintergrund(RGB(0, 0, 90));
    t.f.Pic.setzeHintergrundBild(einfarbig(10, 3, RGB(200, 100, 50)));
    t.f.Pic.setzePunkt(2, 1, RGB(1, 255, 3));
    t.f.Pic.setzePunkt(41, 6, RGB(255, 255, 255));
    dialoge.eingaben = {QStringLiteral("abc.BMP")};
    t.f.FormSpeichern.klick();
    EXPECT_EQ(dialoge.eingabeFragen, QStringList{"Wie soll das Bild heißen ?"});
    EXPECT_EQ(t.f.Arbeitstext, QStringLiteral("abc.BMP.bmp"));
    QFile datei(QStringLiteral("abc.BMP.bmp"));
    ASSERT_TRUE(datei.open(QIODevice::ReadOnly));
    const QByteArray kopf = datei.read(30);
    EXPECT_EQ(kopf.left(2), QByteArray("BM"));
    EXPECT_EQ(quint8(kopf[28]), 24); // bits per pixel
    datei.close();
    const QImage zurück(QStringLiteral("abc.BMP.bmp"));
    ASSERT_EQ(zurück.size(), QSize(42, 7));
    for (int y = 0; y < 7; ++y)
        for (int x = 0; x < 42; ++x)
            ASSERT_EQ(ausPixel(zurück.pixel(x, y)), t.f.Pic.punkt(x, y)) << x << "," << y;
    EXPECT_TRUE(t.f.AniFiles.dateien().contains(QStringLiteral("abc.BMP.bmp")));
    // Nothing else was left in the folder.
    EXPECT_EQ(QDir().entryList(QDir::Files), QStringList{"abc.BMP.bmp"});
}

TEST(DisplaySpeichern, ÜberschreibtUndLässtSonstNichtsZurück) {
    TestOrdner ordner;
    SkriptDialoge dialoge;
    TestFenster t;
    t.f.dialoge = &dialoge;
    dialoge.eingaben = {QStringLiteral("abc"), QStringLiteral("abc.bmp")};
    t.f.FormSpeichern.klick();
    t.f.Pic.setzeHintergrund(RGB(255, 0, 0));
    t.f.FormSpeichern.klick();
    EXPECT_EQ(ausPixel(QImage(QStringLiteral("abc.bmp")).pixel(0, 0)), RGB(255, 0, 0));
    EXPECT_EQ(QDir().entryList(QDir::Files), QStringList{"abc.bmp"});
}

TEST(DisplaySpeichern, AbbruchUndUngültigeNamenEndenStill) {
    TestOrdner ordner;
    SkriptDialoge dialoge;
    TestFenster t;
    t.f.dialoge = &dialoge;
    QDir().mkdir(QStringLiteral("unter"));
    dialoge.eingaben = {QString(), QStringLiteral("unter/x"), QStringLiteral("../x")};
    QFile spion(QStringLiteral("spion.bmp")); // listed only if the list is refreshed
    for (int i = 0; i < 3; ++i) {
        t.f.FormSpeichern.klick();
        if (i == 0) {
            ASSERT_TRUE(spion.open(QIODevice::WriteOnly));
            spion.close();
        }
    }
    EXPECT_FALSE(QFile::exists(QStringLiteral("unter/x.bmp")));
    EXPECT_FALSE(QFile::exists(QStringLiteral("../x.bmp")));
    EXPECT_FALSE(t.f.AniFiles.dateien().contains(QStringLiteral("spion.bmp")));
    EXPECT_TRUE(dialoge.hinweise.isEmpty());

    // A folder by the name: the write fails and nothing is refreshed.
    QDir().mkdir(QStringLiteral("ordner.bmp"));
    dialoge.eingaben = {QStringLiteral("ordner")};
    t.f.FormSpeichern.klick();
    EXPECT_TRUE(QFileInfo(QStringLiteral("ordner.bmp")).isDir());
    EXPECT_FALSE(t.f.AniFiles.dateien().contains(QStringLiteral("spion.bmp")));
}

TEST(Versatz, BeschriftungenZeigenDieWerte) {
    TestFenster t;
    EXPECT_EQ(t.f.VonXLabel.text(), QStringLiteral("X=0"));
    t.f.VonX.setzeWert(-200);
    EXPECT_EQ(t.f.VonXLabel.text(), QStringLiteral("X=-200"));
    t.f.VonY.setzeWert(37);
    EXPECT_EQ(t.f.VonYLabel.text(), QStringLiteral("Y=37"));
    t.f.VonX.setzeWert(0);
    EXPECT_EQ(t.f.VonXLabel.text(), QStringLiteral("X=0"));
    EXPECT_EQ(t.f.VonYLabel.text(), QStringLiteral("Y=37"));
}
