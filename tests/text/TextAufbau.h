#pragma once
// What the text tests add to TestFenster: the checked directions, one frame of "Lauf-Text",
// and the frame the picture box itself would draw.
#include "TestHilfen.h"
#include "TextLage.h"
#include "TextVorbereiten.h"
#include <gtest/gtest.h>

namespace glanzzug::test {

inline constexpr Farbe kSchwarz = 0, kWeiß = RGB(255, 255, 255), kRot = RGB(255, 0, 0),
                       kGrün = RGB(0, 255, 0), kGelb = RGB(255, 255, 0), kBlau = RGB(0, 0, 255);
using Stücke = std::vector<std::pair<QString, Farbe>>;

// SchriftGröße is 7 while Pic draws "Small Fonts" 6.75: the text top 6.75 - 7 - 3 = -3.25
// must land on row -3, or the top row of the sign is lost.
struct TextFenster : TestFenster {
    // Only the given direction boxes checked.
    explicit TextFenster(const std::vector<int>& boxen = {kNachLinks}) {
        for (auto& r : f.Richtung) r.setzeWert(0);
        for (int b : boxen) f.Richtung[std::size_t(b)].setzeWert(1);
    }
    // One frame as the scheduler runs it, without its pass handling.
    void schritt() {
        f.DurchlaufStatus = 0;
        f.Laufposition += f.Schrittweite;
        TextVorbereiten(f);
    }
    // Pieces of text in their colours drawn by the picture box one after another from the
    // whole-pixel position (x, y), in the font of Pic at `größe`.
    QImage soll(const Stücke& stücke, int x, int y, double größe = 6.75) const {
        Bildfeld b(f.Pic.breite(), f.Pic.höhe());
        b.setzeHintergrund(f.Pic.hintergrund());
        b.setzeSchrift({f.Pic.schrift().name, größe, false, false});
        b.cursorX = x;
        b.cursorY = y;
        for (const auto& [text, farbe] : stücke) {
            b.setzeVordergrund(farbe);
            b.druckeAufZeile(text);
        }
        return b.bild();
    }
    QImage soll(const QString& text, int x, int y, double größe = 6.75) const {
        return soll(Stücke{{text, f.TextFarbe}}, x, y, größe);
    }
    int breite(const QString& text) const { return f.Pic.textBreite(text); }
};

} // namespace glanzzug::test
