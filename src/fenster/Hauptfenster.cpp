#include "Hauptfenster.h"
#include "Bindung.h"
#include "Fenster.h"
#include "Panels.h"
#include "PortWahl.h"
#include "QtDialoge.h"
#include "Signale.h"
#include "Start.h"
#include "ZeitgeberTreiber.h"
#include <QApplication>
#include <QCloseEvent>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
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

    // When the display grows, the window grows with it so that the whole preview shows.
    f.Pic.anzeige.verbinde([this] {
        QTimer::singleShot(0, this, [this] {
            const QSize nötig = sizeHint().expandedTo(size());
            if (nötig != size()) resize(nötig);
        });
    });

    setWindowTitle(f.Titel.text());
    f.Titel.anzeige.verbinde([this] { setWindowTitle(f_.Titel.text()); });
    statusBar()->showMessage(QStringLiteral("Port: ") + port.beschreibung);
    // The first failed port write stays in the status bar (and goes to standard error);
    // playing goes on, so that the user decides.
    if (port.port)
        port.port->beiStörung = [this](const std::string& text) {
            std::fprintf(stderr, "glanzzug: %s\n", text.c_str());
            statusBar()->showMessage(QStringLiteral("Port: ") + QString::fromStdString(text));
        };
}

void Hauptfenster::resizeEvent(QResizeEvent* e) {
    QMainWindow::resizeEvent(e);
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
    Hauptfenster fenster(f, port);
    QtDialoge dialoge(&fenster);
    f.dialoge = &dialoge;
    ZeitgeberTreiber treiber(f.T);
    f.ablauf.fensterZeigen = [&fenster](Fenster&) { fenster.show(); };
    Signale::beiBeendenAufrufen([&fenster] { fenster.close(); });
    Form_Load(f);
    const int status = app.exec();
    fenster.close();
    f.dialoge = nullptr;
    if (port.port) port.port->beiStörung = nullptr; // it points into the window
    return status;
}

} // namespace glanzzug
