#include "Regel.h"
#include <array>

namespace glanzzug {

QString tagKürzel(int wochentag) {
    static const std::array<const char16_t*, 7> k{u"Mo", u"Di", u"Mi", u"Do", u"Fr", u"Sa", u"So"};
    return wochentag >= 1 && wochentag <= 7 ? QString::fromUtf16(k[std::size_t(wochentag - 1)]) : QString();
}

QString uhrText(int minuten) {
    return QStringLiteral("%1:%2").arg(minuten / 60, 2, 10, QChar(u'0')).arg(minuten % 60, 2, 10, QChar(u'0'));
}

bool Regel::giltAm(const QDate& tag) const {
    if (!(tage & (1u << (tag.dayOfWeek() - 1)))) return false;
    switch (daten) {
    case Daten::Immer:
        return true;
    case Daten::Einzeln:
        return tag == datum;
    case Daten::Bereich: {
        const int md = tag.month() * 100 + tag.day();
        const int a = vonMonat * 100 + vonTag, b = bisMonat * 100 + bisTag;
        return a <= b ? md >= a && md <= b : md >= a || md <= b;
    }
    }
    return false;
}

namespace {
// Days as written: "täglich", or runs of days joined ("Mo-Fr", "Mo,Mi,Fr", "Mo-Mi,Sa").
QString tageText(std::uint8_t tage) {
    if (tage == 0x7f) return QStringLiteral("täglich");
    QStringList teile;
    for (int i = 0; i < 7;) {
        if (!(tage & (1u << i))) {
            ++i;
            continue;
        }
        int j = i;
        while (j + 1 < 7 && (tage & (1u << (j + 1)))) ++j;
        teile << (j - i >= 2 ? tagKürzel(i + 1) + u'-' + tagKürzel(j + 1)
                             : j > i ? tagKürzel(i + 1) + u',' + tagKürzel(j + 1) : tagKürzel(i + 1));
        i = j + 1;
    }
    return teile.join(u',');
}
QString tagMonat(int t, int m) {
    return QStringLiteral("%1.%2.").arg(t, 2, 10, QChar(u'0')).arg(m, 2, 10, QChar(u'0'));
}
} // namespace

QString Regel::zeitText() const { return tageText(tage) + u' ' + uhrText(von) + u'-' + uhrText(bis); }

QString Regel::zeile() const {
    QString d;
    if (daten == Daten::Bereich) d = tagMonat(vonTag, vonMonat) + u'-' + tagMonat(bisTag, bisMonat) + u' ';
    if (daten == Daten::Einzeln) d = datum.toString(u"dd.MM.yyyy") + u' ';
    return d + zeitText() + u' ' + ziel;
}

} // namespace glanzzug
