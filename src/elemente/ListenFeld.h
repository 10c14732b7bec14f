#pragma once
#include "Element.h"
#include <QStringList>

namespace glanzzug {

// A list box. `Click` is raised when the selected index changes to an entry, by a person
// or by the program. Removing or clearing entries may drop the selection without a Click.
class ListenFeld : public Element {
public:
    const QStringList& einträge() const { return einträge_; }
    int anzahl() const { return int(einträge_.size()); }
    // The entry at i, or an empty text for an index outside the list.
    QString eintrag(int i) const { return i >= 0 && i < anzahl() ? einträge_[i] : QString(); }
    int listIndex() const { return index_; }

    // Selects entry i (-1 for none). Indexes outside the list are refused (false).
    bool setzeListIndex(int i) {
        if (i < -1 || i >= anzahl()) return false;
        if (ändere(index_, i) && i >= 0) Click.auslösen();
        return true;
    }
    // Inserts at position i (entries from i on move down); -1 or past the end appends.
    void hinzufügen(const QString& t, int i = -1) {
        if (i < 0 || i > anzahl()) i = anzahl();
        einträge_.insert(i, t);
        if (index_ >= i) ++index_;
        anzeige.auslösen();
    }
    void entfernen(int i) {
        if (i < 0 || i >= anzahl()) return;
        einträge_.removeAt(i);
        if (index_ == i) index_ = -1;
        else if (index_ > i) --index_;
        anzeige.auslösen();
    }
    // Moves the entry at i to position j; the selection stays on the entry it was on.
    // Raises no Click. False for an index outside the list.
    bool verschieben(int i, int j) {
        if (i < 0 || i >= anzahl() || j < 0 || j >= anzahl()) return false;
        einträge_.move(i, j);
        if (index_ == i) index_ = j;
        else if (i < index_ && j >= index_) --index_;
        else if (i > index_ && j <= index_ && index_ >= 0) ++index_;
        anzeige.auslösen();
        return true;
    }
    void leeren() {
        einträge_.clear();
        index_ = -1;
        anzeige.auslösen();
    }
    void setzeEinträge(const QStringList& e) {
        einträge_ = e;
        index_ = -1;
        anzeige.auslösen();
    }

    Ereignis<> Click;

private:
    QStringList einträge_;
    int index_ = -1;
};

} // namespace glanzzug
