#pragma once
#include "Port.h"
#include <functional>
#include <memory>
#include <string>

namespace glanzzug {

// The system calls the ppdev port needs, behind a seam so that tests can inject errors.
// Each returns -1 and sets errno on failure, like the calls they stand for.
class PpdevSystem {
public:
    virtual ~PpdevSystem() = default;
    virtual int öffnen(const char* pfad) = 0;
    virtual int ioctl(int fd, unsigned long anfrage, void* arg) = 0;
    virtual int schließen(int fd) = 0;
    static std::shared_ptr<PpdevSystem> echt();
};

// The Linux parallel port through ppdev (`--port ppdev[:DEVICE]`): opens the device,
// claims the port, sets the data lines to forward and writes each byte with PPWDATA.
// The port is released and closed when the object goes. Throws PortFehler, naming the
// device, the reason and the remedy, when the device cannot be opened or claimed. A write
// that fails (the adapter was unplugged) is reported once through störung().
class PpdevPort final : public Port {
public:
    explicit PpdevPort(std::string gerät = "/dev/parport0",
                       std::shared_ptr<PpdevSystem> system = PpdevSystem::echt());
    ~PpdevPort() override;
    void ausgeben(std::uint16_t adresse, std::uint8_t wert) override;
    const std::string& gerät() const { return gerät_; }

private:
    std::string gerät_;
    std::shared_ptr<PpdevSystem> system_;
    int fd_ = -1;
    bool beansprucht_ = false;
};

// Direct port I/O with ioperm and outb (`--port direct[:ADDRESS]`, x86 only), for root or a
// binary with CAP_SYS_RAWIO. Every write goes to the given base address (outb cannot fail).
// Throws PortFehler when the permission is refused (also under kernel lockdown), when the
// kernel has no ioperm at all (ENOSYS), or on other processors; each names its remedy.
// The ioperm call is a parameter so that tests can make it fail.
class DirektPort final : public Port {
public:
    using IopermAufruf = std::function<int(unsigned long von, unsigned long anzahl, int an)>;
    static IopermAufruf echtesIoperm();

    explicit DirektPort(unsigned adresse = 0x378, IopermAufruf ioperm = echtesIoperm());
    ~DirektPort() override;
    void ausgeben(std::uint16_t adresse, std::uint8_t wert) override;

private:
    unsigned adresse_;
    IopermAufruf ioperm_;
    bool geöffnet_ = false;
};

} // namespace glanzzug
