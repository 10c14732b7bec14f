#pragma once
#include "text/schrift/Schriftsatz.h"
#include <QString>
#include <optional>

namespace glanzzug {

// The few dialogs the program shows. The window implements them with Qt; tests and the
// headless player use scripted answers. All carry the program's title unless a title is
// given.
class Dialoge {
public:
    enum class Symbol { Frage, Kritisch };
    virtual ~Dialoge() = default;
    // A question with Yes and No; true for Yes.
    virtual bool frageJaNein(const QString& text, const QString& titel, Symbol symbol) = 0;
    // A notice with an OK button.
    virtual void hinweis(const QString& text) = 0;
    // An input box with no default text; an empty text when cancelled.
    virtual QString eingabe(const QString& frage) = 0;
    // The font dialog, opened on `start`; nothing when cancelled.
    virtual std::optional<SchriftWahl> schriftWählen(const SchriftWahl& start) = 0;
};

} // namespace glanzzug
