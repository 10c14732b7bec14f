#pragma once
// Runs the built program as a user or the service manager does: a child process with its
// own arguments and environment, standard output and error into files, and the real
// signals. Waiting has a limit, so that a player that does not stop fails the test
// instead of hanging it (the child is killed at the end).
#include <QProcess>
#include <QString>
#include <QStringList>
#include <chrono>
#include <csignal>
#include <optional>

namespace glanzzug::test {

class Prozess {
public:
    // Starts `programm argumente`; `ausgabe` is the prefix of the files PREFIX.out and
    // PREFIX.err. `umgebung` adds or replaces variables ("NAME=value") and removes those
    // named alone ("NAME"). The signals in `blockiert` start blocked in the child (as a parent can
    // leave them); the constructor returns once the program runs, so that one sent then
    // is still pending when it starts.
    Prozess(const QString& programm, const QStringList& argumente, const QString& ausgabe,
            const QStringList& umgebung = {}, std::initializer_list<int> blockiert = {});
    ~Prozess(); // kills a child still running

    void signal(int nummer) const;
    // The exit status once the child ended (128 + the signal's number when a signal ended
    // it), or nothing when it still runs after `grenze`.
    std::optional<int> warten(std::chrono::milliseconds grenze);
    QByteArray fehlerAusgabe() const;

private:
    QProcess kind_;
    QString ausgabe_;
};

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
