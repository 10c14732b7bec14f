#pragma once
#include "Element.h"
#include <functional>

namespace glanzzug {

// A single-line text box. `Change` is raised after every change of the text, whether a
// person typed it or the program set it; setting the text it already has raises nothing.
class TextFeld : public Element {
public:
    const QString& text() const { return text_; }
    void setzeText(const QString& t) {
        if (ändere(text_, t)) Change.auslösen();
    }
    // Most characters a person may type; 0 is no limit. The program may set longer texts.
    int maxLänge() const { return maxLänge_; }
    void setzeMaxLänge(int n) { ändere(maxLänge_, n); }

    // Font of the box (name, bold, italic; the size is the view's own).
    const QString& schriftName() const { return schriftName_; }
    void setzeSchriftName(const QString& n) { ändere(schriftName_, n); }
    bool fett() const { return fett_; }
    void setzeFett(bool f) { ändere(fett_, f); }
    bool kursiv() const { return kursiv_; }
    void setzeKursiv(bool k) { ändere(kursiv_, k); }

    // Typing filter: the view passes what a person types or pastes through it, so that
    // characters the program cannot keep never enter the box. Unset: everything passes.
    std::function<QString(const QString&)> eingabeFilter;
    QString gefiltert(const QString& t) const { return eingabeFilter ? eingabeFilter(t) : t; }

    // Selects the whole text and asks the view to give the box the keyboard focus.
    void allesMarkierenUndFokus() { fokusVerlangt.auslösen(); }

    Ereignis<> Change;
    Ereignis<> Click;
    Ereignis<> fokusVerlangt;

private:
    QString text_;
    int maxLänge_ = 0;
    QString schriftName_ = QStringLiteral("Small Fonts");
    bool fett_ = false;
    bool kursiv_ = false;
};

} // namespace glanzzug
