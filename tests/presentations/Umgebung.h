#pragma once
// The shared test window after start-up: file extensions, name lists and the remembered
// run list are set as in the program. Make it after entering the test folder.
#include "DarstellungLaden.h"
#include "TestHilfen.h"
#include <gtest/gtest.h>

namespace glanzzug::test {

struct Gestartet : TestFenster {
    Gestartet() { Form_Load(f); }
    void laden(const QString& name) {
        f.AlleLS.setzeText(name);
        DarstellungLaden(f);
    }
    void ticks(int n) {
        for (int i = 0; i < n; ++i) f.T.ablaufen();
    }
};

} // namespace glanzzug::test
