#pragma once
// Runs the built program as a user or the service manager does: a child process with its
// own arguments and environment, standard output and error into files, and the real
// signals. Waiting has a limit, so that a player that does not stop fails the test
// instead of hanging it (the child is then killed).
#include <QByteArray>
#include <QString>
#include <QDir>
#include <QStringList>
#include <chrono>
#include <csignal>
#include <functional>
#include <optional>
#include <sys/types.h>

namespace glanzzug::test {

class Prozess {
public:
    // Starts `programm argumente`; `ausgabe` is the prefix of the files PREFIX.out and
    // PREFIX.err. `umgebung` adds or replaces variables ("NAME=value"); `ohne` removes
    // variables. The signals in `blockiert` start blocked in the child (as a parent can
    // leave them), so that one sent at once is still pending when the program starts.
    Prozess(const QString& programm, const QStringList& argumente, const QString& ausgabe,
            const QStringList& umgebung = {}, const QStringList& ohne = {},
            std::initializer_list<int> blockiert = {});
    ~Prozess(); // kills a child still running
    Prozess(const Prozess&) = delete;
    Prozess& operator=(const Prozess&) = delete;

    pid_t pid() const { return pid_; }
    void signal(int nummer) const;
    // The raw wait status once the child ended, or nothing when it still runs after
    // `grenze` (it is then killed).
    std::optional<int> warten(std::chrono::milliseconds grenze);
    QByteArray fehlerAusgabe() const;

private:
    pid_t pid_ = -1;
    QString ausgabe_;
};

// Waits up to `grenze` until `bedingung()` holds, polling every 10 ms.
bool warteBis(const std::function<bool()>& bedingung, std::chrono::milliseconds grenze);

// A small tmpfs (64 KiB) mounted on a new folder `pfad` while the object lives, and
// unmounted at the end; `bereit` is false when mounting is not possible here (not root).
struct KleinesTmpfs {
    QString pfad;
    bool bereit = false;
    explicit KleinesTmpfs(const QString& pfad);
    ~KleinesTmpfs();
    // Fills what is left on it, block by block and then byte by byte, until it says no.
    void füllen() const;
};

// What the shut-down sends the port: 1764 clock pulses (0, 1), then the latch 128, 0.
QByteArray dunkelBytes();

} // namespace glanzzug::test
