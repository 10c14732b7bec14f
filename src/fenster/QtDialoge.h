#pragma once
#include "Dialoge.h"

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

} // namespace glanzzug
