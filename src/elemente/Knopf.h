#pragma once
#include "Element.h"
#include "Farbe.h"

namespace glanzzug {

// A push button. `klick()` raises Click, as a person's press does. A back colour of -1
// means the window's own button colour.
class Knopf : public Element {
public:
    const QString& text() const { return text_; }
    void setzeText(const QString& t) { ändere(text_, t); }
    Farbe hintergrund() const { return hinter_; }
    void setzeHintergrund(Farbe f) { ändere(hinter_, f); }
    void klick() { Click.auslösen(); }

    Ereignis<> Click;

private:
    QString text_;
    Farbe hinter_ = -1;
};

} // namespace glanzzug
