#include "PpdevPort.h"
#include "TestHilfen.h"
#include <cstring>
#include <gtest/gtest.h>
#include <linux/ppdev.h>
#include <sys/ioctl.h>
#include <sys/stat.h>

using namespace glanzzug;

namespace {
// Scripted system calls: fails open, claim or every write with a chosen errno and records
// what was done.
struct FalschesPpdev final : PpdevSystem {
    int öffnenFehler = 0, beanspruchenFehler = 0, schreibFehler = 0;
    std::vector<unsigned long> anfragen;
    std::vector<unsigned char> daten;
    int geschlossen = 0;
    int öffnen(const char*) override {
        if (öffnenFehler) return errno = öffnenFehler, -1;
        return 7;
    }
    int ioctl(int, unsigned long anfrage, void* arg) override {
        anfragen.push_back(anfrage);
        if (anfrage == PPCLAIM && beanspruchenFehler) return errno = beanspruchenFehler, -1;
        if (anfrage == PPWDATA) daten.push_back(*static_cast<unsigned char*>(arg));
        return anfrage == PPWDATA && schreibFehler ? (errno = schreibFehler, -1) : 0;
    }
    int schließen(int) override { return ++geschlossen, 0; }
};

std::string meldung(int öffnen, int beanspruchen) {
    auto sys = std::make_shared<FalschesPpdev>();
    sys->öffnenFehler = öffnen;
    sys->beanspruchenFehler = beanspruchen;
    try {
        PpdevPort port("/dev/parport9", sys);
    } catch (const PortFehler& e) {
        EXPECT_EQ(sys->geschlossen, öffnen ? 0 : 1); // a claimed-failed device is closed again
        return e.what();
    }
    ADD_FAILURE() << "no error";
    return {};
}
} // namespace

TEST(Ppdev, FehlerNennenGerätGrundUndAbhilfe) {
    const std::tuple<int, int, std::vector<const char*>> fälle[] = {
        {ENOENT, 0, {"/dev/parport9", "parport_pc", "ppdev"}}, {EACCES, 0, {"group lp"}}, {0, ENXIO, {"claim", "another driver"}}};
    for (const auto& [öffnen, beanspruchen, teile] : fälle) {
        const std::string m = meldung(öffnen, beanspruchen);
        for (const char* t : teile) EXPECT_NE(m.find(t), std::string::npos) << m << " lacks " << t;
    }
}

// Every byte goes to the device, also after a failed write (an unplugged adapter: reported
// once, naming the device and the reason); the port is claimed, set to output, released and
// closed at the end.
TEST(Ppdev, SchreibtJedesByteUndGibtDenPortFrei) {
    for (int fehler : {0, ENODEV}) {
        SCOPED_TRACE(fehler);
        auto sys = std::make_shared<FalschesPpdev>();
        sys->schreibFehler = fehler;
        std::vector<std::string> meldungen;
        {
            PpdevPort port("/dev/parport0", sys);
            port.beiStörung = [&](const std::string& m) { meldungen.push_back(m); };
            const std::uint8_t folge[] = {0, 6, 7, 1, 128, 0};
            port.ausgebenFolge(888, folge, 6);
        }
        EXPECT_EQ(sys->daten, (std::vector<unsigned char>{0, 6, 7, 1, 128, 0}));
        const std::vector<std::string> gemeldet{"ppdev /dev/parport0: write failed: No such device"};
        EXPECT_EQ(meldungen, fehler ? gemeldet : std::vector<std::string>{});
        ASSERT_GE(sys->anfragen.size(), 3u);
        EXPECT_EQ(sys->anfragen[0], PPCLAIM);
        EXPECT_EQ(sys->anfragen[1], PPDATADIR);
        EXPECT_EQ(sys->anfragen.back(), PPRELEASE);
        EXPECT_EQ(sys->geschlossen, 1);
    }
}

TEST(Aufnahme, DateiErhältJedesByte) {
    QTemporaryDir d;
    const std::string pfad = d.filePath("draht.bin").toStdString();
    {
        DateiAufnahmePort port(pfad);
        for (int v : {0, 2, 3, 1, 128, 0}) port.ausgeben(888, std::uint8_t(v));
    }
    EXPECT_EQ(test::lies(QString::fromStdString(pfad)), QByteArray("\x00\x02\x03\x01\x80\x00", 6));
    EXPECT_THROW(DateiAufnahmePort("/nonexistent-folder/x.bin"), PortFehler);
    // A FIFO without a reader is refused at once instead of blocking start-up.
    const std::string fifo = d.filePath("fifo").toStdString();
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    EXPECT_THROW(DateiAufnahmePort{fifo}, PortFehler);
}

// The direct port names the remedy that fits the cause: a kernel without ioperm (ENOSYS)
// cannot be helped by root, only by ppdev.
TEST(Direkt, AbhilfePasstZurUrsache) {
    struct Fall {
        int fehler;
        const char* enthält;
        const char* nicht;
    };
    for (const Fall& fall : {Fall{ENOSYS, "--port ppdev", "root"}, Fall{EPERM, "run as root", "no direct port"}}) {
        SCOPED_TRACE(std::strerror(fall.fehler));
        try {
            DirektPort port(0x378, [&](unsigned long, unsigned long, int) { return errno = fall.fehler, -1; });
            ADD_FAILURE() << "no error";
        } catch (const PortFehler& e) {
            const std::string m = e.what();
            EXPECT_NE(m.find("0x378"), std::string::npos) << m;
            EXPECT_NE(m.find(std::strerror(fall.fehler)), std::string::npos) << m;
            EXPECT_NE(m.find(fall.enthält), std::string::npos) << m;
            EXPECT_EQ(m.find(fall.nicht), std::string::npos) << m;
        }
    }
}
