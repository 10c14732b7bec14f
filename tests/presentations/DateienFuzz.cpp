// libFuzzer target over the program's file readers: the presentation file, the run-list
// file and the layout file. Each input is written as all three files into a private
// folder; a fresh window then starts up (reading the layout file), loads the run list and
// the presentation, and plays a few ticks with whatever settings the input gave.
// The program works in its current folder, so the target changes into a temporary one:
// give libFuzzer absolute paths (corpus, -artifact_prefix), as scripts/fuzz does.
#include "Anordnung.h"
#include "DarstellungLaden.h"
#include "Fenster.h"
#include "LaufListe.h"
#include "Programm.h"
#include "Start.h"
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <cstdint>

using namespace glanzzug;

namespace {
void schreib(const QString& pfad, const QByteArray& inhalt) {
    QFile d(pfad);
    if (d.open(QIODevice::WriteOnly)) d.write(inhalt);
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t größe) {
    // The toolkit (no display) and a private current folder, made once.
    static int argc = 1;
    static char name[] = "dateien_fuzz", *argv[] = {name, nullptr};
    static const bool bereit = qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(argc, argv);
    static QTemporaryDir ordner;
    static const bool drin = bereit && QDir::setCurrent(ordner.path());
    if (!drin) return 0;
    const QByteArray inhalt(reinterpret_cast<const char*>(daten), qsizetype(größe));
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
