#pragma once
#include "Element.h"

namespace glanzzug {

// A frame that groups elements; hiding it hides what it holds.
class Rahmen : public Element {
public:
    const QString& text() const { return text_; }
    void setzeText(const QString& t) { ändere(text_, t); }

private:
    QString text_;
};

} // namespace glanzzug
