#pragma once
// The whole main window on a port (the simulated one unless named), started in an empty
// folder: the standard strip of modules, a 42 × 7 display and the timer stopped, so only
// the test changes what the modules show.
#include "Hauptfenster.h"
#include "PortWahl.h"
#include "TestHilfen.h"
#include <QTest>
#include <gtest/gtest.h>

namespace glanzzug::test {

// How long a test waits for what it looks for; a loaded machine may take seconds.
constexpr int kGeduld = 30000;

struct OffenesFenster {
    TestOrdner ordner;
    Fenster f;
    PortWahl port;
    std::unique_ptr<Hauptfenster> w;
    explicit OffenesFenster(const QString& anschluss = QStringLiteral("sim")) : port(portWählen(anschluss)) {
        f.port = port.port.get();
        Verdrahten(f);
        w = std::make_unique<Hauptfenster>(f, port);
        f.ablauf.fensterZeigen = [this](Fenster&) { w->show(); };
        Form_Load(f);
        EXPECT_TRUE(QTest::qWaitForWindowExposed(w.get(), kGeduld));
        // The size follows the display once the layout took it in: wait until it rests.
        QSize vorher;
        EXPECT_TRUE(QTest::qWaitFor([&] { return std::exchange(vorher, w->size()) == w->size(); }, kGeduld));
    }
    template <class W = QWidget> W* teil(const char* name) const { return w->findChild<W*>(QLatin1String(name)); }
    // The widget of a kind that shows a text.
    template <class W> W* mitText(const QString& text) const {
        for (W* k : w->findChildren<W*>())
            if (k->text() == text) return k;
        return nullptr;
    }
};

// Counts the events of one type a widget receives.
struct EreignisZähler : QObject {
    QEvent::Type art;
    int anzahl = 0;
    EreignisZähler(QObject* ziel, QEvent::Type art) : art(art) { ziel->installEventFilter(this); }
    bool eventFilter(QObject*, QEvent* e) override { return anzahl += e->type() == art, false; }
};

} // namespace glanzzug::test
