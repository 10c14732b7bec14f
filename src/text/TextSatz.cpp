#include "TextSatz.h"
#include "Farbcodes.h"
#include "Zuletzt.h"
#include <algorithm>

namespace glanzzug {

namespace {
// Where every character of the pieces starts, for a font that sets letter by letter.
// Empty when the font's own widths of the pieces disagree with their letters' sum.
std::vector<long long> stiftFür(const TextSatz& t, const Schriftsatz& satz) {
    const QStringView text = t.text;
    std::vector<long long> stift(std::size_t(text.size()) + 1, 0);
    qsizetype bis = 0; // units filled so far
    for (const TextSatz::Stück& s : t.stücke) {
        std::fill(stift.begin() + bis, stift.begin() + s.anfang, s.x); // the colour code before it
        long long stelle = s.x;
        const qsizetype ende = s.anfang + s.länge;
        for (qsizetype u = s.anfang; u < ende;) {
            const qsizetype länge =
                text[u].isHighSurrogate() && u + 1 < ende && text[u + 1].isLowSurrogate() ? 2 : 1;
            for (qsizetype k = 0; k < länge; ++k) stift[std::size_t(u + k)] = stelle;
            stelle += satz.breite(text.sliced(u, länge));
            u += länge;
        }
        if (stelle != s.x + s.breite) return {};
        bis = ende;
    }
    std::fill(stift.begin() + bis, stift.end(), t.breite);
    return stift;
}

template <class T> bool derselbe(const std::weak_ptr<T>& a, const std::shared_ptr<T>& b) {
    return !a.owner_before(b) && !b.owner_before(a);
}

struct Eintrag {
    std::shared_ptr<const TextSatz> satz;
    QString symbol;
    std::weak_ptr<const Schriftsatz> schrift;
};
} // namespace

TextSatz::TextSatz(const QString& t, const QString& symbol, const Schriftsatz& satz, bool stellen) : text(t) {
    const auto stück = [&](qsizetype anfang, qsizetype ende, int farbe) {
        const int b = satz.breite(QStringView(text).sliced(anfang, ende - anfang));
        stücke.push_back({anfang, ende - anfang, farbe, breite, b});
        breite += b;
    };
    // The pieces exactly as the drawing finds them: a code needs one more character after
    // its code character, and the search goes on behind the code character, whatever it is.
    qsizetype anfang = 0;
    int farbe = -1;
    const qsizetype erster = symbol.size() == 1 ? text.indexOf(symbol[0]) : -1;
    for (qsizetype i = erster; i >= 0 && i + 2 < text.size(); i = text.indexOf(symbol[0], i + 2)) {
        stück(anfang, i, farbe);
        farbe = farbcodeBei(text, i, symbol);
        anfang = i + 2;
    }
    stück(anfang, text.size(), farbe);
    if (stücke.size() == 1) {
        gezeichnet = text; // shares the text, no copy
    } else {
        gezeichnet.reserve(text.size());
        for (const Stück& s : stücke) gezeichnet.append(QStringView(text).sliced(s.anfang, s.länge));
    }
    if (stellen && satz.zeichenweise()) stift = stiftFür(*this, satz);
}

std::shared_ptr<const TextSatz> textSatzFür(const QString& text, const QString& symbol,
                                            const std::shared_ptr<const Schriftsatz>& satz) {
    static Zuletzt<Eintrag, 4> gesetzt;
    return gesetzt
        .holen(
            [&](const Eintrag& e) {
                return e.satz && derselbe(e.schrift, satz) && e.symbol == symbol && gleicherText(e.satz->text, text);
            },
            [&] { return Eintrag{std::make_shared<const TextSatz>(text, symbol, *satz), symbol, satz}; })
        .satz;
}

} // namespace glanzzug
