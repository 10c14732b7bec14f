#pragma once
#include "Element.h"
#include <QStringList>

namespace glanzzug {

// A file list box over the current folder. The pattern is one or more globs separated by
// ";" ("*.jpg;*.gif"), matched without regard to letter case; the names are sorted the
// same way. Only the names of plain files are listed, never folders.
class DateiListe : public Element {
public:
    const QString& muster() const { return muster_; }
    // Changing the pattern re-reads the folder.
    void setzeMuster(const QString& m) {
        if (ändere(muster_, m)) aktualisieren();
    }
    // Re-reads the current folder; the selection is dropped.
    void aktualisieren();

    const QStringList& dateien() const { return dateien_; }
    int anzahl() const { return int(dateien_.size()); }
    QString datei(int i) const { return i >= 0 && i < anzahl() ? dateien_[i] : QString(); }
    int listIndex() const { return index_; }
    QString ausgewählt() const { return datei(index_); }
    // Selects entry i and raises Click when the selection changed to an entry.
    bool setzeListIndex(int i) {
        if (i < -1 || i >= anzahl()) return false;
        if (ändere(index_, i) && i >= 0) Click.auslösen();
        return true;
    }

    static bool passt(const QString& name, const QString& muster);

    Ereignis<> Click;

private:
    QString muster_ = QStringLiteral("*");
    QStringList dateien_;
    int index_ = -1;
};

} // namespace glanzzug
