#pragma once
// Shared set-up of the presentation tests: a wired window in a fresh temporary folder,
// scripted dialogs, and small file helpers.
#include "AufnahmePort.h"
#include "Dialoge.h"
#include "Fenster.h"
#include "Programm.h"
#include "Start.h"
#include "Textdatei.h"
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <deque>
#include <gtest/gtest.h>

namespace glanzzug::test {

// A fresh temporary folder as the current folder while the object lives.
struct ImOrdner {
    QTemporaryDir dir;
    QString vorher = QDir::currentPath();
    ImOrdner() { QDir::setCurrent(dir.path()); }
    ~ImOrdner() { QDir::setCurrent(vorher); }
};

// Answers questions from a script (No when the script is used up) and records them.
class SkriptDialoge final : public Dialoge {
public:
    std::deque<bool> antworten;
    QStringList fragen, titel;
    bool frageJaNein(const QString& text, const QString& t, Symbol) override {
        fragen << text;
        titel << t;
        if (antworten.empty()) return false;
        const bool a = antworten.front();
        antworten.pop_front();
        return a;
    }
    void hinweis(const QString&) override {}
    QString eingabe(const QString&) override { return {}; }
    std::optional<SchriftWahl> schriftWählen(const SchriftWahl&) override { return std::nullopt; }
};

// A wired window at a fixed clock (2011-03-24 12:00), recording its port. The window is
// made after the folder is entered, so its file lists see that folder.
struct Fensterchen {
    AufnahmePort port;
    SkriptDialoge dialoge;
    Fenster f;
    Fensterchen() {
        f.port = &port;
        f.dialoge = &dialoge;
        f.jetzt = [] { return QDateTime(QDate(2011, 3, 24), QTime(12, 0)); };
        Verdrahten(f);
    }
};

inline QByteArray lies(const QString& pfad) {
    QFile d(pfad);
    return d.open(QIODevice::ReadOnly) ? d.readAll() : QByteArray();
}

inline void schreib(const QString& pfad, const QByteArray& inhalt) {
    QFile d(pfad);
    ASSERT_TRUE(d.open(QIODevice::WriteOnly));
    ASSERT_EQ(d.write(inhalt), inhalt.size());
}

// Lines given as UTF-8 text, written as Windows-1252 with CR LF.
inline void schreibZeilen(const QString& pfad, const QStringList& zeilen) {
    ASSERT_TRUE(schreibeZeilenAtomar(pfad, zeilen));
}

} // namespace glanzzug::test
