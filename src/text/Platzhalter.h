#pragma once
#include <QDateTime>
#include <QString>
#include <functional>

namespace glanzzug {

// Replaces the two-letter clock tokens of a frame's text in place, scanning once from left
// to right: "sT" hours, "mI" minutes, "sE" seconds, "tA" day, "mO" month, "jA" the last two
// digits of the year, each by exactly two digits (the text keeps its length). Tokens are
// compared exactly (case matters); replaced digits never form a new token. The clock is
// read afresh for every token found. Texts shorter than two characters stay as they are.
void PlatzhalterErsetzen(QString& text, const std::function<QDateTime()>& jetzt);

// The same for a frame drawn from the text box `quelle`: gives the text with its tokens
// replaced, as PlatzhalterErsetzen would. Where the tokens stand is kept while the text
// stays the same (the last few texts are kept, so an alternating text keeps its place
// too), so a frame costs only its tokens, and a text without tokens is handed back
// without a copy. The clock is still read for every token in every frame.
QString PlatzhalterText(const QString& quelle, const std::function<QDateTime()>& jetzt);

} // namespace glanzzug
