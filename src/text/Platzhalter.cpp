#include "Platzhalter.h"
#include "Zuletzt.h"
#include <vector>

namespace glanzzug {

namespace {
// Which clock text a token reads and where its two characters start in it.
struct Token {
    bool datum; // dd.mm.yyyy instead of hh:mm:ss
    int stelle; // 0: first two, 3: fourth and fifth, -1: last two
};

bool tokenFür(char16_t a, char16_t b, Token& t) {
    switch (a) {
    case u's':
        if (b == u'T') return t = {false, 0}, true;
        if (b == u'E') return t = {false, -1}, true;
        return false;
    case u'm':
        if (b == u'I') return t = {false, 3}, true;
        if (b == u'O') return t = {true, 3}, true;
        return false;
    case u't':
        if (b == u'A') return t = {true, 0}, true;
        return false;
    case u'j':
        if (b == u'A') return t = {true, -1}, true;
        return false;
    default:
        return false;
    }
}

QString ersatz(const Token& t, const QDateTime& jetzt) {
    const QString ganz = t.datum ? jetzt.date().toString(QStringLiteral("dd.MM.yyyy"))
                                 : jetzt.time().toString(QStringLiteral("HH:mm:ss"));
    const QString teil = t.stelle < 0 ? ganz.right(2) : ganz.mid(t.stelle, 2);
    // An invalid clock gives an empty text; keep the length of the frame's text anyway.
    return teil.size() == 2 ? teil : QStringLiteral("00");
}

struct Stelle {
    qsizetype index;
    Token token;
};

// Where the tokens stand. Replacing one puts digits at i and i + 1, and no token starts
// with a digit, so the scan over the replaced text finds exactly the tokens that do not
// overlap, from the left.
std::vector<Stelle> tokenSuchen(QStringView text) {
    std::vector<Stelle> stellen;
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        Token t;
        if (!tokenFür(text[i].unicode(), text[i + 1].unicode(), t)) continue;
        stellen.push_back({i, t});
        ++i;
    }
    return stellen;
}

// Puts the current replacement of every token into `text`; detaches it only when a
// digit changes.
void einsetzen(QString& text, const std::vector<Stelle>& stellen, const std::function<QDateTime()>& jetzt) {
    for (const Stelle& s : stellen) {
        const QString zwei = ersatz(s.token, jetzt());
        if (text.at(s.index) == zwei[0] && text.at(s.index + 1) == zwei[1]) continue;
        QChar* schreib = text.data();
        schreib[s.index] = zwei[0];
        schreib[s.index + 1] = zwei[1];
    }
}

// A text seen lately: where its tokens stand, and the text as replaced last.
struct Vorlage {
    QString quelle;
    std::vector<Stelle> stellen;
    QString ergebnis;
};
} // namespace

void PlatzhalterErsetzen(QString& text, const std::function<QDateTime()>& jetzt) {
    einsetzen(text, tokenSuchen(text), jetzt);
}

QString PlatzhalterText(const QString& quelle, const std::function<QDateTime()>& jetzt) {
    static Zuletzt<Vorlage, 4> vorlagen;
    Vorlage& vorlage = vorlagen.holen([&](const Vorlage& v) { return gleicherText(v.quelle, quelle); },
                                      [&] { return Vorlage{quelle, tokenSuchen(quelle), quelle}; });
    if (vorlage.stellen.empty()) return vorlage.quelle;
    einsetzen(vorlage.ergebnis, vorlage.stellen, jetzt);
    return vorlage.ergebnis;
}

} // namespace glanzzug
