#include "Zahl.h"
#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace glanzzug {

double führendeZahl(QStringView text) {
    qsizetype i = 0;
    const qsizetype n = text.size();
    auto blank = [&](qsizetype k) { return k < n && (text[k] == u' ' || text[k] == u'\t'); };
    auto ziffer = [&](qsizetype k) { return k < n && text[k] >= u'0' && text[k] <= u'9'; };
    while (blank(i)) ++i;

    std::string zahl;
    if (i < n && (text[i] == u'+' || text[i] == u'-')) zahl += char(text[i++].unicode());
    bool punkt = false, ziffern = false;
    for (; i < n; ++i) {
        if (blank(i)) continue;
        if (ziffer(i)) {
            zahl += char(text[i].unicode());
            ziffern = true;
        } else if (text[i] == u'.' && !punkt) {
            zahl += '.';
            punkt = true;
        } else {
            break;
        }
    }
    if (!ziffern) return 0;
    // Exponent: e or E, optional sign, at least one digit; otherwise the e ends the number.
    if (i < n && (text[i] == u'e' || text[i] == u'E')) {
        qsizetype k = i + 1;
        std::string exponent = "e";
        if (k < n && (text[k] == u'+' || text[k] == u'-')) exponent += char(text[k++].unicode());
        bool expZiffern = false;
        for (; k < n && (ziffer(k) || blank(k)); ++k) {
            if (blank(k)) continue;
            exponent += char(text[k].unicode());
            expZiffern = true;
        }
        if (expZiffern) zahl += exponent;
    }
    // from_chars does not depend on the process locale, unlike stod.
    double wert = 0;
    const char* anfang = zahl.data() + (zahl[0] == '+' ? 1 : 0);
    const auto [ende, fehler] = std::from_chars(anfang, zahl.data() + zahl.size(), wert);
    (void)ende;
    if (fehler == std::errc::result_out_of_range) {
        // Overflow gives infinity with the number's sign; underflow gives 0.
        const auto e = zahl.find('e');
        if (e != std::string::npos && zahl.size() > e + 1 && zahl[e + 1] == '-') return 0;
        return zahl[0] == '-' ? -std::numeric_limits<double>::infinity() : std::numeric_limits<double>::infinity();
    }
    return fehler == std::errc() ? wert : 0;
}

double runden(double v) { return std::nearbyint(v); }

double ganzTeil(double v) { return std::floor(v); }

std::optional<int> alsGanzzahl(double v, int min, int max) {
    if (!std::isfinite(v)) return std::nullopt;
    const double r = runden(v);
    if (r < min || r > max) return std::nullopt;
    return int(r);
}

QString zahlText(double v) {
    if (v == 0) return QStringLiteral("0");
    if (std::isfinite(v) && v == std::floor(v) && std::fabs(v) < 1e15) return QString::number(qint64(v));
    return QString::number(v, 'g', 15);
}

QString freieZahl(double v) { return (v >= 0 ? QStringLiteral(" ") : QString()) + zahlText(v); }

} // namespace glanzzug
