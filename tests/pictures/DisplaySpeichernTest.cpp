#include "DisplaySpeichern.h"
#include "TestHilfen.h"
#include <gtest/gtest.h>

using namespace glanzzug;
using namespace glanzzug::test;

TEST(DisplaySpeichern, SpeichertWasDasDisplayZeigtAls24BitBmp) {
    TestOrdner ordner;
    TestFenster t;
    t.f.Pic.setzeHintergrund(RGB(0, 0, 90));
    t.f.Pic.setzeHintergrundBild(einfarbig(10, 3, RGB(200, 100, 50)));
    t.f.Pic.setzePunkt(2, 1, RGB(1, 255, 3));
    t.f.Pic.setzePunkt(41, 6, RGB(255, 255, 255));
    t.dialoge.eingaben = {QStringLiteral("abc"), QStringLiteral("abc.bmp")};
    t.f.FormSpeichern.klick();
    EXPECT_EQ(t.f.AniFiles.dateien(), QStringList{"abc.bmp"});
    EXPECT_EQ(lies(QStringLiteral("abc.bmp")).mid(28, 1), QByteArray(1, 24)); // bits per pixel
    EXPECT_EQ(QImage(QStringLiteral("abc.bmp")).convertToFormat(QImage::Format_RGB32),
              t.f.Pic.bild().convertToFormat(QImage::Format_RGB32));

    // The same name again overwrites, and nothing else is left in the folder.
    t.f.Pic.setzeHintergrund(RGB(255, 0, 0));
    t.f.FormSpeichern.klick();
    EXPECT_EQ(ausPixel(QImage(QStringLiteral("abc.bmp")).pixel(41, 0)), RGB(255, 0, 0));
    EXPECT_EQ(QDir().entryList(QDir::Files), QStringList{"abc.bmp"});
}

TEST(DisplaySpeichern, SpeichertDasBildDesKlicksWährendDerTextWeiterläuft) {
    TestOrdner ordner;
    TestFenster t; // "Lauf-Text" to the left
    for (int i = 0; i < 12; ++i) t.f.T.ablaufen();
    const QImage geklickt = t.f.Pic.bild().copy();
    t.dialoge.ticksImDialog(t.f.T, 5);
    t.dialoge.eingaben = {QStringLiteral("foto")};
    t.f.FormSpeichern.klick();
    EXPECT_EQ(t.dialoge.getickt, 5);
    ASSERT_NE(t.f.Pic.bild(), geklickt); // the text moved on while the name was typed
    const QImage gespeichert(QStringLiteral("foto.bmp"));
    EXPECT_EQ(gespeichert.convertToFormat(QImage::Format_RGB32),
              geklickt.convertToFormat(QImage::Format_RGB32));
    EXPECT_EQ(t.f.AniFiles.dateien(), QStringList{"foto.bmp"});
}

TEST(DisplaySpeichern, AbbruchUndUngültigeNamenEndenStill) {
    TestOrdner ordner;
    TestFenster t;
    QDir().mkpath(QStringLiteral("innen/unter"));
    QDir().mkpath(QStringLiteral("innen/ordner.bmp"));
    QDir::setCurrent(QStringLiteral("innen")); // so that "../x" stays in the temporary folder
    schreib(QStringLiteral("spion.bmp"), {});  // listed only if the list is refreshed
    t.dialoge.eingaben = {QString(), QStringLiteral("unter/x"), QStringLiteral("../x"),
                          QStringLiteral("ordner")};
    for (int i = 0; i < 4; ++i) t.f.FormSpeichern.klick();
    EXPECT_EQ(t.dialoge.eingabeFragen.size(), 4);
    EXPECT_FALSE(QFile::exists(QStringLiteral("unter/x.bmp")) || QFile::exists(QStringLiteral("../x.bmp")));
    EXPECT_TRUE(QFileInfo(QStringLiteral("ordner.bmp")).isDir());
    EXPECT_TRUE(t.f.AniFiles.dateien().isEmpty() && t.dialoge.hinweise.isEmpty());
}
