#pragma once
#include "text/schrift/Schriftsatz.h"
#include <QDialog>
#include <optional>

class QCheckBox;
class QComboBox;
class QListWidget;

namespace glanzzug {

class SchriftVorschau;

// The font dialog: the built-in LED font "Small Fonts" first, then the system's fonts; a
// size in points (any number may be typed); bold and italic; and a preview drawn exactly
// as the display draws it, one square per pixel.
class SchriftDialog : public QDialog {
public:
    SchriftDialog(const SchriftWahl& start, QWidget* eltern);
    SchriftWahl wahl() const;

    // Opens the dialog modally; nothing when cancelled.
    static std::optional<SchriftWahl> wählen(const SchriftWahl& start, QWidget* eltern, const QString& titel);

private:
    void vorschauErneuern();

    QListWidget* namen_;
    QComboBox* größe_;
    QCheckBox* fett_;
    QCheckBox* kursiv_;
    SchriftVorschau* vorschau_;
    double letzteGültigeGröße_;
};

} // namespace glanzzug
