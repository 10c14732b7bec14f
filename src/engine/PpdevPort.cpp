#include "PpdevPort.h"
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <linux/ppdev.h>
#include <sys/ioctl.h>
#include <unistd.h>
#if defined(__x86_64__) || defined(__i386__)
#include <sys/io.h>
#define GLANZZUG_HAT_PORT_IO 1
#endif

namespace glanzzug {

namespace {
class EchtesPpdev final : public PpdevSystem {
public:
    int öffnen(const char* pfad) override { return ::open(pfad, O_RDWR | O_CLOEXEC); }
    int ioctl(int fd, unsigned long anfrage, void* arg) override { return ::ioctl(fd, anfrage, arg); }
    int schließen(int fd) override { return ::close(fd); }
};

std::string abhilfe(int fehler, bool beimBeanspruchen) {
    if (beimBeanspruchen && (fehler == ENXIO || fehler == ENODEV))
        return "there is no parallel port, or another driver (such as lp) holds it; unload that driver or "
               "choose another device";
    switch (fehler) {
    case ENOENT:
    case ENODEV:
    case ENXIO:
        return "load the kernel modules parport_pc and ppdev (modprobe parport_pc ppdev)";
    case EACCES:
    case EPERM:
        return "the user must be in group lp (usermod -aG lp USER, then log in again)";
    case EBUSY:
        return "another program uses the port; stop it first";
    default:
        return "check the device name and the parallel port driver";
    }
}
} // namespace

std::shared_ptr<PpdevSystem> PpdevSystem::echt() { return std::make_shared<EchtesPpdev>(); }

PpdevPort::PpdevPort(std::string gerät, std::shared_ptr<PpdevSystem> system)
    : gerät_(std::move(gerät)), system_(std::move(system)) {
    fd_ = system_->öffnen(gerät_.c_str());
    if (fd_ < 0) {
        const int e = errno;
        throw PortFehler("ppdev " + gerät_ + ": cannot open: " + std::strerror(e) + ". Remedy: " + abhilfe(e, false) +
                         ".");
    }
    if (system_->ioctl(fd_, PPCLAIM, nullptr) < 0) {
        const int e = errno;
        system_->schließen(fd_);
        fd_ = -1;
        throw PortFehler("ppdev " + gerät_ + ": cannot claim the port: " + std::strerror(e) +
                         ". Remedy: " + abhilfe(e, true) + ".");
    }
    beansprucht_ = true;
    int vorwärts = 0;
    system_->ioctl(fd_, PPDATADIR, &vorwärts);
}

PpdevPort::~PpdevPort() {
    if (fd_ < 0) return;
    if (beansprucht_) system_->ioctl(fd_, PPRELEASE, nullptr);
    system_->schließen(fd_);
}

void PpdevPort::ausgeben(std::uint16_t, std::uint8_t wert) {
    unsigned char b = wert;
    if (system_->ioctl(fd_, PPWDATA, &b) < 0) {
        const int e = errno;
        störungMelden("ppdev " + gerät_ + ": write failed: " + std::strerror(e), e);
    }
}

DirektPort::IopermAufruf DirektPort::echtesIoperm() {
#ifdef GLANZZUG_HAT_PORT_IO
    return [](unsigned long von, unsigned long anzahl, int an) { return ::ioperm(von, anzahl, an); };
#else
    return [](unsigned long, unsigned long, int) { return errno = ENOSYS, -1; };
#endif
}

DirektPort::DirektPort(unsigned adresse, IopermAufruf ioperm) : adresse_(adresse), ioperm_(std::move(ioperm)) {
#ifndef GLANZZUG_HAT_PORT_IO
    throw PortFehler("direct port: only available on x86 processors. Remedy: use --port ppdev.");
#endif
    if (ioperm_(adresse_, 1, 1) < 0) {
        const int e = errno;
        char hex[16];
        std::snprintf(hex, sizeof hex, "0x%x", adresse_);
        const std::string anfang = std::string("direct port ") + hex + ": ";
        // A kernel built without ioperm (or a seccomp filter) answers ENOSYS: no user or
        // capability helps there, only the ppdev driver does.
        if (e == ENOSYS)
            throw PortFehler(anfang + "this kernel offers no direct port access (ioperm: " + std::strerror(e) +
                             "). Remedy: use --port ppdev[:DEVICE] instead.");
        throw PortFehler(anfang + "permission refused: " + std::strerror(e) +
                         ". Remedy: run as root or give the binary CAP_SYS_RAWIO (setcap cap_sys_rawio+ep); "
                         "under kernel lockdown use --port ppdev instead.");
    }
    geöffnet_ = true;
}

DirektPort::~DirektPort() {
    if (geöffnet_) ioperm_(adresse_, 1, 0);
}

void DirektPort::ausgeben(std::uint16_t, std::uint8_t wert) {
#ifdef GLANZZUG_HAT_PORT_IO
    ::outb(wert, adresse_); // outb takes the value first, then the port
#else
    (void)wert;
#endif
}

} // namespace glanzzug
