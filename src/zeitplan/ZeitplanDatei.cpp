#include "ZeitplanDatei.h"
#include "DateiZugriff.h"
#include "SichereDatei.h"
#include "Textdatei.h"

namespace glanzzug {

ZeitplanStand zeitplanDateiLesen(const QString& pfad) {
    ZeitplanStand s;
    if (!dateiVorhanden(pfad)) return s;
    const auto bytes = leseDatei(pfad, kGrößterZeitplan);
    if (!bytes) {
        s.fehler = QStringLiteral("%1 ist keine lesbare Datei bis %2 KB und wird nicht benutzt.")
                       .arg(pfad)
                       .arg(kGrößterZeitplan / 1024);
        return s;
    }
    s.inhalt = *bytes;
    s.zeilen = zeilenAus(*bytes, kMeisteRegeln);
    s.plan = zeitplanLesen(s.zeilen);
    return s;
}

bool zeitplanDateiSchreiben(const QStringList& zeilen, const QByteArray& gelesen, QString* grund, int* zeile,
                            const QString& pfad) {
    if (zeile) *zeile = 0;
    const auto setze = [grund](const QString& g) {
        if (grund) *grund = g;
        return false;
    };
    if (zeilen.size() > kMeisteRegeln) return setze(QStringLiteral("Mehr als %1 Zeilen.").arg(kMeisteRegeln));
    for (qsizetype i = 0; i < zeilen.size(); ++i) {
        if (zeile) *zeile = int(i + 1);
        if (!inWindows1252(zeilen[i]) || zeilen[i].contains(u'\r') || zeilen[i].contains(u'\n'))
            return setze(QStringLiteral("Zeile %1: Zeichen, die die Datei nicht speichern kann.").arg(i + 1));
        QString g;
        if (!regelLesen(zeilen[i], &g) && !g.isEmpty()) return setze(QStringLiteral("Zeile %1: %2").arg(i + 1).arg(g));
    }
    if (zeile) *zeile = 0;
    const auto jetzt = dateiVorhanden(pfad) ? leseDatei(pfad, kGrößterZeitplan) : std::optional<QByteArray>(QByteArray());
    if (!jetzt || *jetzt != gelesen)
        return setze(QStringLiteral("%1 wurde inzwischen geändert; bitte neu laden.").arg(pfad));
    SchreibFehler warum;
    if (!schreibeZeilenAtomar(pfad, zeilen, &warum))
        return setze(QStringLiteral("%1 konnte nicht gespeichert werden: %2").arg(pfad, warum.deutsch));
    return true;
}

} // namespace glanzzug
