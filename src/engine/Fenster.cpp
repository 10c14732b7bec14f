#include "Fenster.h"

namespace glanzzug {

namespace {
void knopf(Knopf& k, const QString& text, const QString& tip) {
    k.setzeText(text);
    k.setzeToolTip(tip);
}
void textFeld(TextFeld& t, const QString& text, int maxLänge, const QString& tip) {
    t.setzeText(text);
    t.setzeMaxLänge(maxLänge);
    t.setzeToolTip(tip);
}
void kontroll(KontrollFeld& k, const QString& text, int wert, const QString& tip) {
    k.setzeBeschriftung(text);
    k.setzeWert(wert);
    k.setzeToolTip(tip);
}
} // namespace

// The design state of the window: what a person sees before Form_Load runs.
Fenster::Fenster() {
    Titel.setzeText(QStringLiteral("Glanzzug"));

    // Playback
    Pic.setzeToolTip(QStringLiteral(
        "Dies ist das Vorschaubild. Mit den 2 Reglern können Sie Ihre Darstellung ausrichten."));
    Pic.setzeHintergrund(RGB(0, 0, 0));
    Pic.setzeVordergrund(RGB(255, 255, 255));
    AusWal.setzeEinträge({
        {QStringLiteral("Lauf-Text"), QStringLiteral("Hiermit wird der Lauf-Text aktiviert")},
        {QStringLiteral("Animation"),
         QStringLiteral("Mit dieser Option können Sie einzelne oder mehrere Bilder anzeigen lassen.")},
        {QStringLiteral("Linie"), QStringLiteral("Eine negative Linie, die sich hoch und runter bewegt")},
        {QStringLiteral("PingPong"), QStringLiteral("Ein Punkt springt durch das Display")},
        {QStringLiteral("Negativ"), QStringLiteral("Stellt Alles im Display negativ dar")},
        {QStringLiteral("Löschen"), QStringLiteral("Löscht das Display")},
        {QStringLiteral("Zufallsfarben"), QStringLiteral("Stellt das gesammte Display mit einer Zufallsfarbe dar")},
        {QStringLiteral("Zufallsformen"),
         QStringLiteral("Zeichnet im Display ein zufälliges Muster (Linie, Quadrat, Kreis)")},
    });
    AusWal.wähle(0);
    const std::array<std::pair<const char16_t*, const char16_t*>, 8> richtungen{{
        {u"/\\", u"Der Lauf-Text läuft nach oben"},
        {u"\\/", u"Der Lauf-Text läuft nach unten"},
        {u"<", u"Der Lauf-Text läuft nach links"},
        {u">", u"Der Lauf-Text läuft nach rechts"},
        {u".oO", u"Der Lauf-Text kommt von Hinten nach Vorne"},
        {u"Zufall", u"Jeder Buchstabe fliegt von seinem Ort in eine eigene Richtung"},
        {u"zurück", u"Jeder Buchstabe kommt zurück an seinen Ort"},
        {u"I", u"Jeder Buchstabe kommt zurück an seinen Ort"},
    }};
    for (std::size_t i = 0; i < richtungen.size(); ++i)
        kontroll(Richtung[i], QString::fromUtf16(richtungen[i].first), i == 2 ? 1 : 0,
                 QString::fromUtf16(richtungen[i].second));

    textFeld(VerzögerungTxt, QStringLiteral("1"), 4, QStringLiteral("So lange soll jeder Schritt dauern"));
    textFeld(DurchläufeTxt, QStringLiteral("1"), 4, QStringLiteral("So oft soll die Darstellung wiederholt werden"));
    textFeld(WartezeitTxt, QStringLiteral("1"), 4,
             QStringLiteral("So lange soll nach der Darstellung gewartet werden"));
    kontroll(BisUhr, QString(), 0, QStringLiteral("Aktiviert die Uhrzeit für die Wiederholungen"));
    textFeld(BisUhrText, QStringLiteral("00:00"), 5,
             QStringLiteral("Bis wieviel Uhr soll die Darstellung wiederholt werden"));
    kontroll(BisDatum, QString(), 0, QStringLiteral("Aktiviert das Datum für die Wiederholungen"));
    textFeld(BisDatumText, QStringLiteral("01.01.07"), 8,
             QStringLiteral("Bis zu welchem Datum soll die Darstellung wiederholt werden"));
    OftLabel.setzeText(QStringLiteral("1"));
    OftLabel.setzeToolTip(QStringLiteral("So oft wurde die Darstellung schon gezeigt"));
    ZeitLabel[0].setzeText(QStringLiteral("Verzögerung                       ms"));
    ZeitLabel[1].setzeText(QStringLiteral("     Durchläufe                      mal"));
    ZeitLabel[2].setzeText(QStringLiteral("Wartezeit                      ms"));
    ZeitLabel[3].setzeText(QStringLiteral("Durchlauf-Nummer:"));
    knopf(TimerAn, QStringLiteral("Timer an"),
          QStringLiteral("Der Timer ist für den Programmablauf wichtig, und sollte immer an sein!"));
    knopf(TimerAus, QStringLiteral("Timer aus"),
          QStringLiteral("Den Timer können Sie vorübergehend abschalten, um z.B.: von einem Film ein Foto zu "
                         "speichern"));
    kontroll(Start, QStringLiteral("Lauf-Liste laufen lassen"), 1,
             QStringLiteral("Vor der Darstellungs-Bearbeitung, bitte die Lauf-Liste anhalten"));

    // Text
    textFeld(Txt, QStringLiteral("LAUFTEXT"), 0, QStringLiteral("Hier können Sie Ihren Lauf-Text hineinschreiben"));
    textFeld(Txt2, QStringLiteral("WECHSELTEXT"), 0,
             QStringLiteral("Hier können Sie Ihren Wechsel-Text hineinschreiben, der sich mit dem Lauf-Text "
                            "abwechselt"));
    kontroll(Wechseltext, QStringLiteral("mit Wechsel-Text"), 0, QStringLiteral("Aktiviert den Wechseltext"));
    knopf(DateiBenutzen, QStringLiteral("Datei"),
          QStringLiteral("Hier können Sie den Inhalt einer Datei anzeigen lassen."));
    knopf(DatumSetzen, QStringLiteral("Datum"), QString());
    knopf(ZeitSetzen, QStringLiteral("Zeit"), QString());
    textFeld(FaZe, QStringLiteral("#"), 0,
             QStringLiteral("Mit dem Farbsymbol+Farbwerte können Sie im Text eine neue Farbe zuweisen. Wählen Sie "
                            "jedoch ein Zeichen, welches in Ihrem Text nicht vorkommt!"));
    textFeld(FaWe, QStringLiteral("0"), 0, QStringLiteral("Hier wird die aktuelle Schrift-Farbe als Wert angezeigt."));
    TeFaPic.setzeToolTip(QStringLiteral("Die Schrift-Farbe wird durch anklicken des Bildes ausgewählt."));
    HiFaPic.setzeToolTip(QStringLiteral("Die Hintergrund-Farbe wird durch anklicken des Bildes ausgewählt."));
    WeTeFaPic.setzeToolTip(
        QStringLiteral("Die Wechseltext-Schrift-Farbe wird durch anklicken des Bildes ausgewählt."));
    WeHiFaPic.setzeToolTip(
        QStringLiteral("Die Wechseltext-Hintergrund-Farbe wird durch anklicken des Bildes ausgewählt."));
    TeFaLabel.setzeText(QStringLiteral("Textfarbe"));
    WeFaLabel.setzeText(QStringLiteral("Textfarbe"));
    knopf(Schriftart, QStringLiteral("Schriftart"), QStringLiteral("Hier können Sie die Schrift-Art auswählen"));
    textFeld(Schritt, QStringLiteral("1"), 0, QStringLiteral("Um wie viele Pixel soll sich die Laufschrift bewegen"));

    // Effects
    knopf(FormKreis, QString(), QStringLiteral("Erstellt ein Zufalls-Kreis"));
    knopf(FormQuadrat, QString(), QStringLiteral("Erstellt ein Zufalls-Quadrat"));
    knopf(FormLinie, QString(), QStringLiteral("Erstellt eine Zufalls-Linie"));
    knopf(FormLöschen, QString(), QStringLiteral("Bild löschen"));
    textFeld(ZufallsFormAnzahl, QStringLiteral("1"), 1, QStringLiteral("Anzahl der Zufällig erstellten Muster"));
    kontroll(PlusLöschen, QStringLiteral("+löschen"), 0, QStringLiteral("Löscht vor einer Aktion das Display"));

    // Presentations and run lists
    AlleLS.setzeText(QStringLiteral("Name der Laufschrift"));
    AlleLS.setzeToolTip(QStringLiteral("Hier können Sie eine Laufschrift auswählen oder benennen"));
    knopf(LaufschriftSpeichern, QStringLiteral("Speichern"),
          QStringLiteral("Speichert die Laufschrift unter dem Laufschriftnamen"));
    knopf(LSlöschen, QStringLiteral("Löschen"), QStringLiteral("Löscht die Laufschrift mit dem Laufschriftnamen"));
    LSFiles.setzeMuster(QStringLiteral("*.LSL"));
    LSFiles.setzeSichtbar(false);
    LLFiles.setzeMuster(QStringLiteral("*.LaL"));
    LLFiles.setzeSichtbar(false);
    AlleLL.setzeText(QStringLiteral("Name der Laufliste"));
    AlleLL.setzeToolTip(QStringLiteral("Hier können Sie eine Lauf-Liste auswählen oder benennen. Die zuletzt "
                                       "benutzte Lauf-Liste wird bei Programm-Start gestartet"));
    LaufListe.setzeToolTip(
        QStringLiteral("Hier können Sie eine Lauf-Liste von mehreren Darstellungen zusammenstellen"));
    knopf(Einfügen, QStringLiteral("Einfügen"), QStringLiteral("Aktuelle Darstellung in die Lauf-Liste einfügen"));
    knopf(Entfernen, QStringLiteral("Entfernen"), QStringLiteral("Entfernt die angeklickte Darstellung aus der Lauf-Liste"));
    knopf(LaufListeSpeichern, QStringLiteral("Speichern"), QStringLiteral("Speichert die Lauf-Liste unter dem Lauflistennamen"));
    knopf(LLlöschen, QStringLiteral("Löschen"), QStringLiteral("Löscht die Lauf-Liste mit dem Lauflistennamen"));
    knopf(LaufListeFortsetzen, QStringLiteral("Lauf-Liste fortsetzen"),
          QStringLiteral("Spielt die Lauf-Liste ab dem Eintrag nach dem zuletzt gespielten weiter"));
    LaufListeFortsetzen.setzeSichtbar(false);
    LaufListePause.setzeSichtbar(false);

    // Module arrangement and layout editor
    MatrixFeld.setzeText(QStringLiteral(
        "Hier müssen Sie Ihre Module platzieren, wie Sie auch in wirklichkeit aufgestellt sind."));
    MatrixFeld.setzeSichtbar(false);
    MatrixBild.setzeHintergrund(RGB(128, 128, 128));
    MatrixBild.leeren();
    for (int i = 0; i < 6; ++i) {
        Modul[i].setzeGröße(27, 27);
        Modul[i].setzePosition(28 * i, 0);
        knopf(ModulSichtbar[i], QString::number(i + 1), QStringLiteral("Sichtbar"));
        ModulSichtbar[i].setzeHintergrund(RGB(0, 255, 0));
    }
    knopf(MatrixÖffnen, QStringLiteral("Modul-Anordnung Einstellen"), QStringLiteral("Öffnet das Modul-Anordnungs-Fenster"));
    knopf(MatrixSchließen, QStringLiteral("Speichern und Schließen"), QStringLiteral("Schließt das Modul-Anordnungs-Fenster"));
    knopf(MatrixStandart, QStringLiteral("Standartmodus"),
          QStringLiteral("Setzt alle Module wieder sichtbar nebeneinander als Laufschrift"));
    knopf(Maximum, QStringLiteral("Maximum"), QStringLiteral("Stellt die Displaygröße auf die Maximalgröße"));
    knopf(Bildergröße, QStringLiteral("Bildergröße"),
          QStringLiteral("Passt die Displaygröße an die Bildgröße des Animationsbildes an"));
    knopf(Modulgröße, QStringLiteral("Modulgröße"), QStringLiteral("Passt die Displaygröße an die Modulanordnung an"));

    // Pictures
    Bild.setzeToolTip(QStringLiteral("Hier sehen Sie als Vorschau, Ihr angeklicktes Bild"));
    AniFiles.setzeMuster(QStringLiteral("*.jpg;*.png;*.gif;*.bmp;*.ico;*.avi"));
    AniFiles.setzeToolTip(QStringLiteral("Das sind alle Bilder, die sich im Ordner der Laufschrift befinden"));
    AniLi.setzeToolTip(QStringLiteral(
        "Das ist ihre Bilder-Liste. Hier können Sie die Bilder für Ihre Animation zusammenstellen."));
    kontroll(BilderAnpassen, QStringLiteral("Bilder anpassen"), 0,
             QStringLiteral("Diese Funktion passt Ihre Bilder an die Modulgröße an."));
    knopf(BildEinfügen, QStringLiteral("Einfügen"), QStringLiteral("Fügt ein Bild in die Bilder-Liste ein"));
    knopf(AlleBilderEinfügen, QStringLiteral("Alle"), QStringLiteral("Fügt alle Bilder in die Bilder-Liste ein"));
    knopf(BildLöschen, QStringLiteral("Entfernen"), QStringLiteral("Entfernt ein Bild aus der Bilder-Liste"));
    knopf(AlleBilderEntfernen, QStringLiteral("Alle"), QStringLiteral("Entfernt alle Bilder aus der Bilder-Liste"));
    knopf(BildWeg, QString(), QStringLiteral("Löscht das Bild"));
    knopf(FormSpeichern, QString(), QStringLiteral("Speichert Ihre Darstellung als Bild ab."));
    VonXLabel.setzeText(QStringLiteral("X=0"));
    VonYLabel.setzeText(QStringLiteral("Y=0"));
}

} // namespace glanzzug
