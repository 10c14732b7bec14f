#include "Platzhalter.h"

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
} // namespace

void PlatzhalterErsetzen(QString& text, const std::function<QDateTime()>& jetzt) {
    const qsizetype länge = text.size();
    if (länge < 2) return;
    for (qsizetype i = 0; i + 1 < länge; ++i) {
        const QChar* z = text.constData();
        Token t;
        if (!tokenFür(z[i].unicode(), z[i + 1].unicode(), t)) continue;
        const QString zwei = ersatz(t, jetzt());
        QChar* schreib = text.data(); // detaches the first time only
        schreib[i] = zwei[0];
        schreib[i + 1] = zwei[1];
    }
}

} // namespace glanzzug
