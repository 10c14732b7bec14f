// libFuzzer target over the program's file readers: the presentation file, the run-list
// file and the layout file. Each input is written as all three files into a private
// folder; a fresh window then starts up (reading the layout file), loads the run list and
// the presentation, and plays a few ticks with whatever settings the input gave.
// The program works in its current folder, so the target changes into a temporary one:
// give libFuzzer absolute paths (corpus, -artifact_prefix), as scripts/fuzz does.
#include "Anordnung.h"
#include "DarstellungLaden.h"
#include "DarstellungsDatei.h"
#include "DateiZugriff.h"
#include "Fenster.h"
#include "LaufListe.h"
#include "Programm.h"
#include "Start.h"
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <cstdint>
#include <memory>

using namespace glanzzug;

namespace {
struct Umgebung {
    std::unique_ptr<QGuiApplication> app;
    QTemporaryDir ordner;
    Umgebung() {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        static int argc = 1;
        static char name[] = "dateien_fuzz";
        static char* argv[] = {name, nullptr};
        app = std::make_unique<QGuiApplication>(argc, argv);
        QDir::setCurrent(ordner.path());
    }
};

void schreib(const QString& pfad, const QByteArray& inhalt) {
    QFile d(pfad);
    if (d.open(QIODevice::WriteOnly)) d.write(inhalt);
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t größe) {
    static Umgebung umgebung;
    const QByteArray inhalt(reinterpret_cast<const char*>(daten), qsizetype(größe));

    // The pure reader.
    darstellungZerlegen(zeilenAus(inhalt, kMeisteDarstellungsZeilen), [](const DarstellungsZeile& z) {
        (void)z.zahl();
        (void)bilderAusText(z.wert);
        return true;
    });

    // The readers as the window uses them.
    schreib(QStringLiteral("F.LSL"), inhalt);
    schreib(QStringLiteral("F.LAL"), inhalt);
    schreib(kAnordnungsDatei, inhalt);
    Fenster f;
    Verdrahten(f);
    Form_Load(f); // reads the layout file
    f.Start.setzeWert(0);
    f.AlleLL.setzeText(QStringLiteral("F"));
    LaufListeLaden(f);
    f.AlleLS.setzeText(QStringLiteral("F"));
    DarstellungLaden(f);
    f.Start.setzeWert(1);
    for (int i = 0; i < 4; ++i) f.T.ablaufen();
    return 0;
}
