#pragma once
#include "Dialoge.h"
#include <QStringList>
#include <deque>

namespace glanzzug::test {

// Dialogs with scripted answers; every question, notice and input prompt is recorded.
class SkriptDialoge : public Dialoge {
public:
    std::deque<bool> antworten;   // for frageJaNein; No when none is left
    std::deque<QString> eingaben; // for eingabe; empty (cancelled) when none is left
    QStringList fragen, hinweise, eingabeFragen;
    std::vector<Symbol> symbole;

    bool frageJaNein(const QString& text, const QString&, Symbol symbol) override {
        fragen << text;
        symbole.push_back(symbol);
        if (antworten.empty()) return false;
        const bool a = antworten.front();
        antworten.pop_front();
        return a;
    }
    void hinweis(const QString& text) override { hinweise << text; }
    QString eingabe(const QString& frage) override {
        eingabeFragen << frage;
        if (eingaben.empty()) return QString();
        const QString e = eingaben.front();
        eingaben.pop_front();
        return e;
    }
    std::optional<SchriftWahl> schriftWählen(const SchriftWahl&) override { return std::nullopt; }
};

} // namespace glanzzug::test
