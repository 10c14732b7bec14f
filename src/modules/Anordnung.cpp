#include "Anordnung.h"
#include "DisplayGroesse.h"
#include "Editor.h"
#include "Fenster.h"
#include "Sichern.h"
#include "Textdatei.h"
#include "Zahl.h"
#include <QRegularExpression>
#include <cmath>

namespace glanzzug {

namespace {
// A numeric field of the layout file: a number and nothing else but blanks around it.
std::optional<double> zahlFeld(const QString& zeile) {
    static const QRegularExpression muster(QStringLiteral(R"(^\s*[+-]?(\d+\.?\d*|\.\d+)([eE][+-]?\d+)?\s*$)"));
    if (!muster.match(zeile).hasMatch()) return std::nullopt;
    const double v = führendeZahl(zeile.trimmed());
    if (!std::isfinite(v)) return std::nullopt;
    return v;
}

struct Gelesen {
    QString präsenz[6];
    double x[6], y[6];
};

std::optional<Gelesen> lesen() {
    const auto zeilen = leseZeilen(kAnordnungsDatei, 64);
    if (!zeilen || zeilen->size() < 20) return std::nullopt;
    Gelesen g;
    for (int i = 0; i < 6; ++i) {
        g.präsenz[i] = (*zeilen)[3 * i];
        const auto x = zahlFeld((*zeilen)[3 * i + 1]), y = zahlFeld((*zeilen)[3 * i + 2]);
        if (!x || !y || std::fabs(*x) > kGrößtePosition || std::fabs(*y) > kGrößtePosition) return std::nullopt;
        // Whole pixels: a fraction in a hand-edited file is rounded.
        g.x[i] = runden(*x);
        g.y[i] = runden(*y);
    }
    // The stored display size must be readable, though the arrangement replaces it.
    if (!zahlFeld((*zeilen)[18]) || !zahlFeld((*zeilen)[19])) return std::nullopt;
    return g;
}
} // namespace

void ModulPräsenzSetzen(Fenster& f, int i, const QString& text) {
    const bool sichtbar = text != QStringLiteral("Unsichtbar");
    f.ModulSichtbar[std::size_t(i)].setzeToolTip(text);
    f.ModulSichtbar[std::size_t(i)].setzeHintergrund(sichtbar ? f.FarbeSichtbar : f.FarbeUnsichtbar);
    f.Modul[std::size_t(i)].setzeSichtbar(sichtbar);
}

void ModulPositionSetzen(Fenster& f, int i, double x, double y) {
    f.ModulX[std::size_t(i)] = x;
    f.ModulY[std::size_t(i)] = y;
    f.Modul[std::size_t(i)].setzePosition(int(4 * x), int(4 * y));
}

void MatrixAnordnungLaden(Fenster& f) {
    f.T.setzeAn(false);
    const auto g = lesen();
    if (!g) {
        MatrixStandart_Click(f);
        return;
    }
    for (int i = 0; i <= f.LetztesModul && i < 6; ++i) {
        ModulPräsenzSetzen(f, i, g->präsenz[i]);
        ModulPositionSetzen(f, i, g->x[i], g->y[i]);
    }
    f.T.setzeAn(true);
    Modulgröße_Click(f);
}

void MatrixStandart_Click(Fenster& f) {
    for (int i = 0; i <= f.LetztesModul && i < 6; ++i) {
        ModulPräsenzSetzen(f, i, QStringLiteral("Sichtbar"));
        ModulPositionSetzen(f, i, 7 * i, 0);
    }
    Modulgröße_Click(f);
}

bool MatrixAnordnungSchreiben(Fenster& f) {
    QStringList zeilen;
    for (int i = 0; i <= f.LetztesModul && i < 6; ++i) {
        zeilen << f.ModulSichtbar[std::size_t(i)].toolTip() << freieZahl(f.ModulX[std::size_t(i)])
               << freieZahl(f.ModulY[std::size_t(i)]);
    }
    zeilen << freieZahl(f.DisplayBreite) << freieZahl(f.DisplayHöhe);
    return zeilenSichern(f.ablauf, kAnordnungsDatei, zeilen);
}

void MatrixSchließen_Click(Fenster& f) {
    Modulgröße_Click(f);
    MatrixAnordnungSchreiben(f);
    f.MatrixFeld.setzeSichtbar(false);
    f.T.setzeAn(true);
}

void EditorVorbereiten(Fenster& f) {
    Bildfeld& b = f.MatrixBild;
    for (int y = 1; y <= b.höhe() - 1; y += 4)
        for (int x = 1; x <= b.breite() - 1; x += 4) b.setzePunkt(x, y, RGB(0, 0, 0));
    for (int i = 1; i <= f.LetztesModul + 1 && i <= 6; ++i) {
        Bildfeld& icon = f.Modul[std::size_t(i - 1)];
        icon.cursorX = i < 10 ? -1 : -5;
        icon.setzeSchrift({QStringLiteral("Small Fonts"), 10, true, false});
        icon.cursorY = 0;
        icon.druckeAufZeile(freieZahl(i));
        icon.setzeToolTip(QStringLiteral("Modul ") + QString::number(i));
    }
}

void ModulesEinrichten(Fenster& f) {
    f.ablauf.displayGrößeSetzen = DisplayGrößeSetzen;
    f.ablauf.matrixAnordnungLaden = MatrixAnordnungLaden;
    f.ablauf.editorVorbereiten = EditorVorbereiten;
    f.MatrixStandart.Click.verbinde([&f] { MatrixStandart_Click(f); });
    f.MatrixSchließen.Click.verbinde([&f] { MatrixSchließen_Click(f); });
    f.Modulgröße.Click.verbinde([&f] { Modulgröße_Click(f); });
    f.Maximum.Click.verbinde([&f] { Maximum_Click(f); });
    f.Bildergröße.Click.verbinde([&f] { Bildergröße_Click(f); });
    EditorEinrichten(f);
}

} // namespace glanzzug
