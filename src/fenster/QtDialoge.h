#pragma once
#include "Dialoge.h"

class QCoreApplication;
class QWidget;

namespace glanzzug {

// The dialogs as Qt message boxes, input box and font dialog, over the main window.
class QtDialoge final : public Dialoge {
public:
    explicit QtDialoge(QWidget* eltern) : eltern_(eltern) {}
    bool frageJaNein(const QString& text, const QString& titel, Symbol symbol) override;
    void hinweis(const QString& text) override;
    QString eingabe(const QString& frage) override;
    std::optional<SchriftWahl> schriftWählen(const SchriftWahl& start) override;

private:
    QWidget* eltern_;
    std::optional<SchriftWahl> letzteSchrift_;
};

// Loads Qt's own German texts (from Qt's translations folder), so that the standard buttons
// of Qt's dialogs read "Abbrechen" and not "Cancel", whatever the person's locale: the
// program speaks German. The translator belongs to `app`. Returns false when Qt's German
// texts are not installed; the dialogs then keep Qt's English standard buttons.
bool qtTexteAufDeutsch(QCoreApplication& app);

} // namespace glanzzug
