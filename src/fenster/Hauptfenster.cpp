#include "Hauptfenster.h"
#include "Bindung.h"
#include "Fenster.h"
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
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QResizeEvent>
#include <QScreen>
#include <QStatusBar>
#include <QTimer>
#include <cstdio>

namespace glanzzug {

Hauptfenster::Hauptfenster(Fenster& f, const PortWahl& port) : f_(f) {
    auto* mitte = new QWidget(this);
    auto* raster = new QGridLayout(mitte);
    raster->addWidget(baueAnzeige(f, port.simulation, mitte), 0, 0, 1, 3);
    raster->addWidget(baueAblauf(f, mitte), 1, 0, 1, 2);
    raster->addWidget(baueListen(f, mitte), 1, 2, 3, 1);
    raster->addWidget(baueText(f, mitte), 2, 0);
    raster->addWidget(baueFormen(f, mitte), 2, 1);
    raster->addWidget(baueBilder(f, mitte), 3, 0, 1, 2);
    auto* öffnen = new QPushButton(mitte);
    binde(öffnen, f.MatrixÖffnen);
    raster->addWidget(öffnen, 4, 0, Qt::AlignLeft);
    raster->setRowStretch(5, 1);
    setCentralWidget(mitte);

    editor_ = baueEditor(f, mitte);
    editor_->raise();

    // The window follows the display's size, once the layout has taken the new size in.
    f.Pic.anzeige.verbinde([this] { QTimer::singleShot(0, this, [this] { passeGrößeAn(); }); });

    bindeTitel(this, f.Titel);
    bindeStatus(statusBar(), f.Statuszeile);
    f.Statuszeile.setzeText(QStringLiteral("Port: ") + port.beschreibung);
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
    // The first failed port write stays in the status bar (and goes to standard error);
    // playing goes on, so that the user decides.
    if (port.port)
        port.port->beiStörung = [this](const std::string& text) {
            std::fprintf(stderr, "glanzzug: %s\n", text.c_str());
            f_.Statuszeile.setzeText(QStringLiteral("Port: ") + QString::fromStdString(text));
        };
}

void Hauptfenster::passeGrößeAn() {
    // A new size hint climbs the nested layouts one posted request at a time; let it arrive.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    QSize ziel = sizeHint().expandedTo(eigeneGröße_);
    if (const QScreen* s = screen()) ziel = ziel.boundedTo(s->availableSize() - (frameGeometry().size() - size()));
    ziel = ziel.expandedTo(minimumSizeHint());
    if (ziel == size()) return;
    verlangt_ = ziel;
    resize(ziel);
}

void Hauptfenster::resizeEvent(QResizeEvent* e) {
    QMainWindow::resizeEvent(e);
    // Once the window shows, any size but the one asked for above was the person's choice.
    if (isVisible() && e->size() != verlangt_) eigeneGröße_ = e->size();
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
