#pragma once
#include "Element.h"
#include <QStringList>
#include <functional>

namespace glanzzug {

// A combo box: an editable text and a drop-down list of names. Picking a name (by a
// person or with `wähle`) puts it into the text, selects it and raises `Click`. Setting
// the text selects the list entry of exactly that text, if there is one.
class KombiFeld : public Element {
public:
    const QString& text() const { return text_; }
    void setzeText(const QString& t) {
        bool textNeu = ändere(text_, t);
        ändere(index_, int(liste_.indexOf(t)));
        if (textNeu) Change.auslösen();
    }
    const QStringList& liste() const { return liste_; }
    int listIndex() const { return index_; }
    QString ausgewählt() const { return index_ >= 0 ? liste_[index_] : QString(); }

    // Picks entry i of the list and raises Click (also when it was picked before).
    bool wähle(int i) {
        if (i < 0 || i >= liste_.size()) return false;
        index_ = i;
        if (ändere(text_, liste_[i])) Change.auslösen();
        anzeige.auslösen();
        Click.auslösen();
        return true;
    }
    void listeLeeren() {
        liste_.clear();
        index_ = -1;
        anzeige.auslösen();
    }
    void listeAnfügen(const QString& t) {
        liste_.append(t);
        anzeige.auslösen();
    }
    void listeEntfernen(int i) {
        if (i < 0 || i >= liste_.size()) return;
        liste_.removeAt(i);
        if (index_ == i) index_ = -1;
        else if (index_ > i) --index_;
        anzeige.auslösen();
    }

    // Typing filter as in TextFeld: what a person types or pastes into the text passes
    // through it. Unset: everything passes.
    std::function<QString(const QString&)> eingabeFilter;
    QString gefiltert(const QString& t) const { return eingabeFilter ? eingabeFilter(t) : t; }

    Ereignis<> Change;
    Ereignis<> Click;

private:
    QString text_;
    QStringList liste_;
    int index_ = -1;
};

} // namespace glanzzug
