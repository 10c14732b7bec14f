#pragma once
#include "Ereignis.h"
#include <QString>

namespace glanzzug {

// Properties every window element has. Views listen to `anzeige` to repaint; the
// program's own handlers listen to the element's Change/Click events instead.
class Element {
public:
    Element() = default;
    Element(const Element&) = delete;
    Element& operator=(const Element&) = delete;
    virtual ~Element() = default;

    const QString& toolTip() const { return toolTip_; }
    void setzeToolTip(const QString& t) { ändere(toolTip_, t); }
    bool sichtbar() const { return sichtbar_; }
    void setzeSichtbar(bool s) { ändere(sichtbar_, s); }
    bool aktiv() const { return aktiv_; }
    void setzeAktiv(bool a) { ändere(aktiv_, a); }

    // Raised after any property changed, by the program or by the user.
    Ereignis<> anzeige;

protected:
    // Sets a property and tells the views; returns whether it changed.
    template <class T, class U> bool ändere(T& feld, const U& wert) {
        if (feld == wert) return false;
        feld = wert;
        anzeige.auslösen();
        return true;
    }

private:
    QString toolTip_;
    bool sichtbar_ = true;
    bool aktiv_ = true;
};

} // namespace glanzzug
