#include "Hauptfenster.h"
#include "Anleitung.h"
#include "Bindung.h"
#include "Fenster.h"
#include "FernsteuerungDialog.h"
#include "Panels.h"
#include "PortWahl.h"
#include "QtDialoge.h"
#include "Signale.h"
#include "Start.h"
#include "ZeitgeberTreiber.h"
#include "ZeitplanDialog.h"
#include "ZeitplanSteuerung.h"
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QResizeEvent>
#include <QScrollArea>
#include <QScreen>
#include <QStatusBar>
#include <QTimer>
#include <QVBoxLayout>
#include <cstdio>

namespace glanzzug {

namespace {
// The groups below the preview, scrolled where the screen is too small for them. Asks for
// the room its content needs (a plain scroll area asks for at most 36 x 24 lines), so the
// window opens showing everything wherever the screen allows.
class Rollfläche : public QScrollArea {
public:
    explicit Rollfläche(QWidget* eltern) : QScrollArea(eltern) {
        setObjectName(QStringLiteral("Gruppen"));
        setFrameShape(QFrame::NoFrame);
        setWidgetResizable(true);
        setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    }
    QSize sizeHint() const override { return widget() ? widget()->sizeHint() : QScrollArea::sizeHint(); }
};
} // namespace

Hauptfenster::Hauptfenster(Fenster& f, const PortWahl& port) : f_(f) {
    auto* mitte = new QWidget(this);
    auto* spalte = new QVBoxLayout(mitte);
    spalte->addWidget(baueAnzeige(f, port.simulation, mitte));

    // Below the preview, side by side to fit a laptop screen (1366 x 768): the playing
    // controls over the text and the pictures, the names and run list at the right.
    auto* rollen = new Rollfläche(mitte);
    auto* gruppen = new QWidget;
    auto* nebeneinander = new QHBoxLayout(gruppen);
    nebeneinander->setContentsMargins(0, 0, 0, 0);
    auto* links = new QVBoxLayout;
    auto* oben = new QHBoxLayout;
    oben->addWidget(baueAblauf(f, gruppen));
    // Beside the playing controls: the random shapes and the buttons that open other parts
    // (room for a few more below).
    auto* knöpfe = new QVBoxLayout;
    knöpfe->addWidget(baueFormen(f, gruppen));
    auto* öffnen = new QPushButton(gruppen);
    binde(öffnen, f.MatrixÖffnen);
    knöpfe->addWidget(öffnen);
    knöpfe->addStretch();
    oben->addLayout(knöpfe);
    oben->addStretch();
    links->addLayout(oben);
    auto* unten = new QHBoxLayout;
    unten->addWidget(baueText(f, gruppen));
    unten->addWidget(baueBilder(f, gruppen), 1);
    links->addLayout(unten);
    links->addStretch();
    nebeneinander->addLayout(links, 1);
    nebeneinander->addWidget(baueListen(f, gruppen));
    rollen->setWidget(gruppen);
    spalte->addWidget(rollen, 1);
    setCentralWidget(mitte);

    editor_ = baueEditor(f, mitte);
    editor_->raise();

    // The window follows the display's size, once the layout has taken the new size in; while
    // the layout editor is open, the editor's room; when it closes, its own size again.
    const auto anpassen = [this] { QTimer::singleShot(0, this, [this] { passeGrößeAn(); }); };
    f.Pic.anzeige.verbinde(anpassen);
    f.MatrixFeld.anzeige.verbinde(anpassen);

    bindeTitel(this, f.Titel);
    bindeStatus(statusBar(), f.Statuszeile);
    bauAnleitungsKnopf(statusBar());
    // The weekly schedule: what holds now, and its editor.
    if (ZeitplanSteuerung* zeitplan = ZeitplanSteuerung::von(f)) {
        auto* jetzt = new QLabel(this);
        jetzt->setObjectName(QStringLiteral("ZeitplanZustand"));
        binde(jetzt, zeitplan->Zustand);
        statusBar()->addPermanentWidget(jetzt);
        auto* knopf = new QPushButton(QStringLiteral("Zeitplan"), this);
        knopf->setObjectName(QStringLiteral("Zeitplan"));
        knopf->setToolTip(QStringLiteral("Wochenplan: welche Lauf-Liste wann spielt und wann die Anzeige dunkel ist"));
        connect(knopf, &QPushButton::clicked, this,
                [this, zeitplan] { zeitplanBearbeiten(zeitplan, f_.AlleLL.liste(), this); });
        statusBar()->addPermanentWidget(knopf);
    }
    // The remote control's pairing, at the status bar's right end.
    auto* fern = new QPushButton(QStringLiteral("Fernsteuerung"), this);
    fern->setObjectName(QStringLiteral("Fernsteuerung"));
    fern->setToolTip(QStringLiteral("Zeigt die Adresse und den QR-Code für die Fernsteuerung vom Telefon"));
    connect(fern, &QPushButton::clicked, this, [this] { FernsteuerungDialog(f_.FernAdressen, this).exec(); });
    statusBar()->addPermanentWidget(fern);
    // The program's folder and the port stay named after every message (SpeichernMelden).
    QString ordner = QDir::toNativeSeparators(QDir::currentPath());
    if (const QString heim = QDir::homePath(); ordner == heim || ordner.startsWith(heim + u'/'))
        ordner = u'~' + ordner.mid(heim.size());
    f.StatusGrund = QStringLiteral("Ordner: ") + ordner + QStringLiteral("  ·  ") + port.statusText();
    f.Statuszeile.setzeText(f.StatusGrund);
    // The first failed port write stays in the status bar, in German (and goes to standard
    // error in English, for the journal); playing goes on, so that the user decides.
    if (port.port)
        port.port->beiStörung = [this, &port](const std::string& text) {
            std::fprintf(stderr, "glanzzug: %s\n", text.c_str());
            f_.Statuszeile.setzeText(port.statusText());
        };
}

void Hauptfenster::passeGrößeAn() {
    // A new size hint climbs the nested layouts one posted request at a time; let it arrive.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    // While the layout editor lies over the window, what it covers does not count: the window
    // keeps its size, only growing to the room the editor asks for.
    QSize ziel = f_.MatrixFeld.sichtbar() ? size().expandedTo(editor_->sizeHint() + size() - centralWidget()->size())
                                          : sizeHint().expandedTo(eigeneGröße_);
    if (const QScreen* s = screen()) ziel = ziel.boundedTo(s->availableSize() - (frameGeometry().size() - size()));
    ziel = ziel.expandedTo(minimumSizeHint());
    if (ziel == size()) return;
    verlangt_ = ziel;
    resize(ziel);
}

void Hauptfenster::resizeEvent(QResizeEvent* e) {
    QMainWindow::resizeEvent(e);
    // Once the window shows, any size but the one asked for above was the person's choice;
    // not so while the editor is open, which the window only makes room for.
    if (isVisible() && e->size() != verlangt_ && !f_.MatrixFeld.sichtbar()) eigeneGröße_ = e->size();
    if (editor_) editor_->setGeometry(centralWidget()->rect());
}

void Hauptfenster::closeEvent(QCloseEvent* e) {
    if (!beendet_) {
        beendet_ = true;
        f_.T.setzeAn(false);
        Form_Unload(f_);
    }
    e->accept();
}

int fensterSpielen(Fenster& f, const PortWahl& port, QApplication& app) {
    if (!qtTexteAufDeutsch(app))
        std::fprintf(stderr, "glanzzug: Qt's German texts are missing (package qt6-translations-l10n); "
                             "standard buttons stay English\n");
    ZeitplanSteuerung zeitplan(f);
    Hauptfenster fenster(f, port);
    QtDialoge dialoge(&fenster);
    f.dialoge = &dialoge;
    ZeitgeberTreiber treiber(f.T);
    f.ablauf.fensterZeigen = [&fenster](Fenster&) { fenster.show(); };
    Signale::beiBeendenAufrufen([&fenster] { fenster.close(); });
    Form_Load(f);
    zeitplan.starten();
    const int status = app.exec();
    fenster.close();
    f.dialoge = nullptr;
    if (port.port) port.port->beiStörung = nullptr; // it points into the window
    return status;
}

} // namespace glanzzug
