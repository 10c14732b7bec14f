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

} // namespace glanzzug
