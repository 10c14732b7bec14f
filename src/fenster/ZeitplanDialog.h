#pragma once
#include <QDialog>

class QLabel;
class QTableWidget;

namespace glanzzug {

class ZeitplanSteuerung;

// The editor of the weekly schedule: one table row per rule (days, from, to, dates, run
// list or "dunkel"), add, remove, move up and down; below it what holds now and the next
// change. It works on its own copy of the file's lines, taken when it opens; saving
// writes only over the file as it was then (a file changed meanwhile is not overwritten).
class ZeitplanDialog : public QDialog {
public:
    ZeitplanDialog(ZeitplanSteuerung& steuerung, const QStringList& laufListen, QWidget* eltern);

    // The table's rows as file lines (comment lines of the file first, as they were).
    QStringList zeilen() const;
    void accept() override;

private:
    void zeileAnfügen(const QStringList& spalten);
    void verschieben(int um);

    ZeitplanSteuerung& steuerung_;
    QStringList laufListen_;
    QStringList kommentare_;
    QByteArray gelesen_;
    QTableWidget* tabelle_;
    QLabel* fehler_;
};

// Opens the editor for the window's schedule (if one runs) over `eltern`.
void zeitplanBearbeiten(ZeitplanSteuerung* steuerung, const QStringList& laufListen, QWidget* eltern);

} // namespace glanzzug
