#pragma once
#include <QString>
#include <array>
#include <cstdint>
#include <functional>

namespace glanzzug {

struct Fenster;

// The routines of the other subsystems that the playback engine calls. Each subsystem
// registers its own when the program is put together; a routine not registered does
// nothing. This keeps the engine below the subsystems it drives.
struct Ablauf {
    using Routine = std::function<void(Fenster&)>;
    // The step routine of each display mode, by AusWal index (0 is the text, which
    // prepares and draws the frame; 1 the animation; 2..7 the effects).
    std::array<Routine, 8> schritt;
    Routine laufListeWeiter;
    Routine dateiListenAktualisieren;
    Routine laufListeLaden;
    Routine laufListeSchreiben;
    Routine displayGrößeSetzen;
    Routine matrixAnordnungLaden;
    // Draws the dot grid of the layout editor and labels the module icons.
    Routine editorVorbereiten;
    // Shows the window (the window registers it; headless it does nothing).
    Routine fensterZeigen;

    // Receives one line per presentation change and per run-list hand-over (the
    // headless player logs them); nothing per frame. Unset: nothing is logged.
    std::function<void(const QString&)> protokoll;

    // Receives the port bytes of every frame ModuleAusgeben sent, right after they went
    // to the port (the remote live view decodes them). Unset: nothing.
    std::function<void(const std::uint8_t* bytes, int anzahl)> frameGesendet;

    // The run list's name that shut-down writes to "Letzte Lauf-Liste". Unset: the text
    // of AlleLL. (The schedule sets it, so that a run list it chose is not remembered.)
    std::function<QString(const Fenster&)> gemerkteLaufListe;

    static void rufe(const Routine& r, Fenster& f) {
        if (r) r(f);
    }
    void melde(const QString& zeile) const {
        if (protokoll) protokoll(zeile);
    }
};

} // namespace glanzzug
