#pragma once
#include "Ablauf.h"
#include "Beschriftung.h"
#include "DateiStand.h"
#include "Bildfeld.h"
#include "DateiListe.h"
#include "Dialoge.h"
#include "KombiFeld.h"
#include "KontrollFeld.h"
#include "Knopf.h"
#include "ListenFeld.h"
#include "OptionsFeld.h"
#include "Port.h"
#include "Rahmen.h"
#include "Rollbalken.h"
#include "TextFeld.h"
#include "Zeitgeber.h"
#include "Zufall.h"
#include <QDateTime>
#include <array>
#include <functional>

namespace glanzzug {

// The main window's whole state: every window element and every window-level variable.
// The routines of all subsystems work on this one object; there are no copies. Elements
// start in their design state (captions, tool tips, design texts), the variables at zero
// or empty until Form_Load sets them.
struct Fenster {
    Fenster();
    Fenster(const Fenster&) = delete;
    Fenster& operator=(const Fenster&) = delete;

    // ---- Platform: set once when the program is put together ----
    Port* port = nullptr;        // not owned; nothing is sent while it is null
    Dialoge* dialoge = nullptr;  // not owned
    Zufall zufall;               // the one random generator
    std::function<QDateTime()> jetzt = [] { return QDateTime::currentDateTime(); };
    Ablauf ablauf;
    Beschriftung Titel;          // the window's caption
    // The status bar's latest message, in German (the port in use, a failed save, what was
    // saved). Each new message replaces the last; headless shows none of it.
    Beschriftung Statuszeile;
    // What the status line names besides a message: the program's folder and the port (the
    // window sets it at start). Empty headless.
    QString StatusGrund;

    // ---- Playback ----
    Zeitgeber T;
    Bildfeld Pic{120, 120};
    OptionsFeld AusWal;
    std::array<KontrollFeld, 8> Richtung;
    TextFeld VerzögerungTxt, DurchläufeTxt, WartezeitTxt, BisUhrText, BisDatumText;
    KontrollFeld BisUhr, BisDatum, Start;
    Beschriftung OftLabel;
    std::array<Beschriftung, 4> ZeitLabel;
    Knopf TimerAn, TimerAus;

    // ---- Text ----
    TextFeld Txt, Txt2;
    KontrollFeld Wechseltext;
    Knopf DateiBenutzen, DatumSetzen, ZeitSetzen;
    TextFeld FaZe, FaWe;
    Bildfeld TeFaPic{16, 16}, HiFaPic{16, 16}, WeTeFaPic{16, 16}, WeHiFaPic{16, 16};
    Beschriftung TeFaLabel, WeFaLabel;
    Knopf Schriftart;
    TextFeld Schritt;

    // ---- Effects ----
    Knopf FormKreis, FormQuadrat, FormLinie, FormLöschen;
    TextFeld ZufallsFormAnzahl;
    KontrollFeld PlusLöschen;

    // ---- Presentations and run lists ----
    KombiFeld AlleLS, AlleLL;
    Knopf LaufschriftSpeichern, LSlöschen;
    DateiListe LSFiles, LLFiles;
    ListenFeld LaufListe;
    Knopf Einfügen, Entfernen, LaufListeSpeichern, LLlöschen;
    // While one presentation plays by itself (EinzelnAbspielen): "Lauf-Liste „NAME“ pausiert"
    // and the button "Lauf-Liste fortsetzen"; both hidden otherwise.
    Beschriftung LaufListePause;
    Knopf LaufListeFortsetzen;

    // ---- Module arrangement and layout editor ----
    Rahmen MatrixFeld;
    Bildfeld MatrixBild{479, 479}; // drawing area; 481 x 481 with its border
    std::array<Bildfeld, 6> Modul;
    std::array<Knopf, 6> ModulSichtbar;
    Knopf MatrixÖffnen, MatrixSchließen, MatrixStandart, Maximum, Bildergröße, Modulgröße;

    // ---- Pictures ----
    Bildfeld Bild{120, 120};
    // The own size of the picture Bild shows while BilderAnpassen is set, which may be
    // larger than Bild (a large picture is shown scaled down); invalid while Bild has the
    // size it was given (the display size, or 120 x 120 when BilderAnpassen was set).
    QSize BildEigeneGröße;
    DateiListe AniFiles;
    ListenFeld AniLi;
    KontrollFeld BilderAnpassen;
    Knopf BildEinfügen, AlleBilderEinfügen, BildLöschen, AlleBilderEntfernen, BildWeg;
    Knopf FormSpeichern;
    Rollbalken VonX{-200, 200}, VonY{-200, 200};
    Beschriftung VonXLabel, VonYLabel;

    // ---- Window-level variables ----
    double FormAnzahl = 0;
    int LetztesModul = 0;
    Farbe FarbeSichtbar = 0, FarbeUnsichtbar = 0;
    std::array<Farbe, 10> Farbtabelle{};
    double Schrittweite = 0;
    std::array<int, 3> FarbEbenenByte{};
    double DisplayBreite = 0;
    std::int32_t DisplayHöhe = 0;
    Farbe TextFarbe = 0, HintergrundFarbe = 0, WechselTextFarbe = 0, WechselHintergrundFarbe = 0;
    double PunktX = 0, PunktY = 0;
    int PunktDX = 0, PunktDY = 0;
    int LinieY = 0, LinieRichtung = 0;
    QString DarstellungsEndung, LaufListenEndung, LetzteLaufListeDatei;
    QString Arbeitstext, Zeilenkennung, BildListenText;
    double SchriftGröße = 0;
    std::int32_t DurchlaufStatus = 0;
    // Why the presentation last finished ("passes", "end time", "end date"), for the log.
    QString EndeGrund;
    // Loads in a row, while the run list plays, that found their presentation's end
    // already passed; a whole round of them makes the loader pause between hand-overs.
    int AbgelaufeneLadungen = 0;
    // What LaufListe holds, which decides whether it may be saved over its file:
    // - Ungelesen: no run list read and no change made yet; saved only where no file of
    //   that name exists (so a start whose remembered run list could not be read never
    //   empties a list that is there);
    // - Ganz: the whole run list as read, or as the user changed it since; saved;
    // - Teilweise: a run list read only in part (too large, too many or too long entries,
    //   unreadable); not saved, as that would cut the file short.
    enum class ListenStand { Ungelesen, Ganz, Teilweise };
    ListenStand LaufListeStand = ListenStand::Ungelesen;
    // Whether LaufListe was changed in the program since it was read or saved: only then
    // does the shut-down save it.
    bool LaufListeGeändert = false;
    // The run-list and presentation files as last read or saved, so that a save notices a
    // file someone else changed meanwhile (DateiStand.h).
    GeleseneDatei LaufListeGelesen, DarstellungGelesen;
    double DurchlaufNummer = 0;
    // One presentation plays as it would inside a run list (an animation moves through its
    // pictures) while Start is clear and the run list waits; see Abspielen.h.
    bool EinzelnAbspielen = false;
    // The sign is dark on purpose (every LED off, T off) until something switches T on.
    bool Dunkel = false;
    // The remote control's addresses with the token (one per reachable address); empty
    // when the program runs without --http.
    QStringList FernAdressen;
    double Laufposition = 0;
    int Modus = 0;
    std::int32_t BildNr = 0;
    std::array<double, 6> ModulX{}, ModulY{};
    // Text renderer
    QString Zeichen, Gezeichnet;
    double Zoomgröße = 0, Zeilenlage = 0;
    int TextBewegt = 0;
    std::array<double, 30> BuchstabeDX{}, BuchstabeDY{}, BuchstabeVX{}, BuchstabeVY{};
    int Buchstabennummer = 0;
    // Layout editor drag
    double ZiehX = 0, ZiehY = 0;
    // Outer size of the editor area MatrixBild in screen pixels (its border included).
    int MatrixBildAußenB = 481, MatrixBildAußenH = 481;
};

} // namespace glanzzug
