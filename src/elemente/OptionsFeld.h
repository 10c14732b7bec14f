#pragma once
#include "Element.h"
#include <QStringList>

namespace glanzzug {

// An array of option buttons, at most one selected. `Click(index)` is raised when an
// entry becomes selected, by a person or by the program; selecting the selected entry
// again raises nothing.
class OptionsFeld : public Element {
public:
    struct Eintrag {
        QString beschriftung;
        QString toolTip;
    };
    explicit OptionsFeld(std::vector<Eintrag> einträge = {}) : einträge_(std::move(einträge)) {}

    int anzahl() const { return int(einträge_.size()); }
    const Eintrag& eintrag(int i) const { return einträge_.at(std::size_t(i)); }
    void setzeEinträge(std::vector<Eintrag> e) {
        einträge_ = std::move(e);
        anzeige.auslösen();
    }
    // The selected index, -1 when none.
    int auswahl() const { return auswahl_; }
    bool gewählt(int i) const { return auswahl_ == i; }
    // Out-of-range indexes are refused (returns false).
    bool wähle(int i) {
        if (i < 0 || i >= anzahl()) return false;
        if (ändere(auswahl_, i)) Click.auslösen(i);
        return true;
    }

    Ereignis<int> Click;

private:
    std::vector<Eintrag> einträge_;
    int auswahl_ = -1;
};

} // namespace glanzzug
