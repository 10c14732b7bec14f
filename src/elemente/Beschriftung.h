#pragma once
#include "Element.h"
#include "Farbe.h"

namespace glanzzug {

// A label: a caption drawn in a fore colour on a back colour. A back colour of -1 means
// the window's own background.
class Beschriftung : public Element {
public:
    const QString& text() const { return text_; }
    void setzeText(const QString& t) { ändere(text_, t); }
    Farbe vordergrund() const { return vorder_; }
    void setzeVordergrund(Farbe f) { ändere(vorder_, f); }
    Farbe hintergrund() const { return hinter_; }
    void setzeHintergrund(Farbe f) { ändere(hinter_, f); }

private:
    QString text_;
    Farbe vorder_ = 0;
    Farbe hinter_ = -1;
};

} // namespace glanzzug
