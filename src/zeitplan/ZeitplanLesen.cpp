#include "Zeitplan.h"
#include <QRegularExpression>

namespace glanzzug {

namespace {
// The weekday 1..7 of "Mo".."So" in any letter case; 0 for anything else.
int tagNummer(QStringView t) {
    for (int i = 1; i <= 7; ++i)
        if (t.compare(tagKürzel(i), Qt::CaseInsensitive) == 0) return i;
    return 0;
}

// "täglich", or a comma list of days and day ranges. 0 when the text is no day text.
std::uint8_t tageLesen(const QString& t) {
    if (t.compare(u"täglich", Qt::CaseInsensitive) == 0) return 0x7f;
    std::uint8_t tage = 0;
    for (const QString& teil : t.split(u',')) {
        const auto stücke = QStringView(teil).split(u'-');
        if (stücke.size() > 2) return 0;
        const int a = tagNummer(stücke[0]), b = tagNummer(stücke.back());
        if (!a || !b) return 0;
        // A range running over Sunday ("Fr-Mo") wraps round the week.
        for (int i = a;; i = i % 7 + 1) {
            tage |= std::uint8_t(1u << (i - 1));
            if (i == b) break;
        }
    }
    return tage;
}

// Minutes after midnight of "H:MM" or "HH:MM"; 24:00 only where `bisZulässig`. -1 if none.
int uhrLesen(const QString& t, bool bisZulässig) {
    static const QRegularExpression muster(QStringLiteral("^(\\d{1,2}):(\\d{2})$"));
    const auto m = muster.match(t);
    if (!m.hasMatch()) return -1;
    const int h = m.captured(1).toInt(), min = m.captured(2).toInt();
    if (min > 59 || h > 24 || (h == 24 && (min != 0 || !bisZulässig))) return -1;
    return h * 60 + min;
}

// "TT.MM." (any year, 29.02. allowed): day and month, or nothing.
bool tagMonatLesen(const QString& t, int& tag, int& monat) {
    static const QRegularExpression muster(QStringLiteral("^(\\d{1,2})\\.(\\d{1,2})\\.$"));
    const auto m = muster.match(t);
    if (!m.hasMatch()) return false;
    tag = m.captured(1).toInt();
    monat = m.captured(2).toInt();
    return monat >= 1 && monat <= 12 && tag >= 1 &&
           tag <= QDate(2000, monat, 1).daysInMonth();
}

bool sieht(const QString& t, const char16_t* zeichen) { return t.contains(QRegularExpression(QString::fromUtf16(zeichen))); }
} // namespace

std::optional<Regel> regelLesen(const QString& zeile, QString* grund) {
    const auto fehler = [grund](const QString& g) {
        if (grund) *grund = g;
        return std::nullopt;
    };
    if (grund) grund->clear();
    const QString z = zeile.trimmed();
    if (z.isEmpty() || z.startsWith(u';')) return std::nullopt;

    Regel r;
    bool mitDatum = false, mitTagen = false, mitUhr = false;
    qsizetype pos = 0;
    while (pos < z.size()) {
        qsizetype ende = pos;
        while (ende < z.size() && !z[ende].isSpace()) ++ende;
        const QString wort = z.mid(pos, ende - pos);
        if (!mitDatum && !mitTagen && !mitUhr && sieht(wort, u"^\\d{1,2}\\.\\d")) {
            const auto teile = wort.split(u'-');
            if (teile.size() == 2 && tagMonatLesen(teile[0], r.vonTag, r.vonMonat) &&
                tagMonatLesen(teile[1], r.bisTag, r.bisMonat)) {
                r.daten = Regel::Daten::Bereich;
            } else if (const QDate d = QDate::fromString(wort, u"d.M.yyyy"); teile.size() == 1 && d.isValid()) {
                r.daten = Regel::Daten::Einzeln;
                r.datum = d;
            } else {
                return fehler(QStringLiteral("„%1“ ist kein Datum (TT.MM.-TT.MM. oder TT.MM.JJJJ).").arg(wort));
            }
            mitDatum = true;
        } else if (!mitTagen && !mitUhr && (r.tage = tageLesen(wort))) {
            mitTagen = true;
        } else if (mitTagen && !mitUhr && sieht(wort, u"^\\d{1,2}:")) {
            const auto teile = wort.split(u'-');
            r.von = teile.size() == 2 ? uhrLesen(teile[0], false) : -1;
            r.bis = teile.size() == 2 ? uhrLesen(teile[1], true) : -1;
            if (r.von < 0 || r.bis < 0)
                return fehler(QStringLiteral("„%1“ ist keine Uhrzeit von-bis (HH:MM-HH:MM).").arg(wort));
            mitUhr = true;
        } else {
            break;
        }
        pos = ende;
        while (pos < z.size() && z[pos].isSpace()) ++pos;
    }
    if (!mitTagen)
        return fehler(QStringLiteral("Die Tage fehlen oder sind falsch geschrieben (Mo bis So, Mo-Fr, Mo,Mi oder täglich)."));
    if (!mitUhr) return fehler(QStringLiteral("Die Uhrzeit von-bis fehlt (HH:MM-HH:MM)."));
    r.ziel = z.mid(pos);
    if (r.ziel.isEmpty()) return fehler(QStringLiteral("Es fehlt, was gespielt wird: eine Lauf-Liste oder „dunkel“."));
    if (r.ziel.compare(u"dunkel", Qt::CaseInsensitive) == 0) r.ziel = QStringLiteral("dunkel");
    r.text = z;
    return r;
}

Zeitplan zeitplanLesen(const QStringList& zeilen) {
    Zeitplan p;
    for (qsizetype i = 0; i < zeilen.size(); ++i) {
        QString grund;
        if (auto r = regelLesen(zeilen[i], &grund)) p.regeln.push_back(std::move(*r));
        else if (!grund.isEmpty()) p.fehler.push_back({int(i + 1), grund});
    }
    return p;
}

} // namespace glanzzug
