#include "Prozess.h"
#include <QFile>
#include <fcntl.h>
#include <pthread.h>
#include <sys/mount.h>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace glanzzug::test {

Prozess::Prozess(const QString& programm, const QStringList& argumente, const QString& ausgabe,
                 const QStringList& umgebung, const QStringList& ohne, std::initializer_list<int> blockiert)
    : ausgabe_(ausgabe) {
    // Everything the child needs is prepared before fork(): after it only calls that are
    // safe in a child of a threaded process are made.
    std::vector<std::string> args{programm.toStdString()};
    for (const QString& a : argumente) args.push_back(a.toStdString());
    std::vector<std::string> env;
    auto ersetzt = [&](const std::string& eintrag) {
        const std::string name = eintrag.substr(0, eintrag.find('=') + 1);
        for (const QString& u : umgebung)
            if (u.toStdString().rfind(name, 0) == 0) return true;
        for (const QString& o : ohne)
            if ((o + u'=').toStdString() == name) return true;
        return false;
    };
    for (char** e = environ; *e; ++e)
        if (!ersetzt(*e)) env.emplace_back(*e);
    for (const QString& u : umgebung) env.push_back(u.toStdString());
    std::vector<char*> argv, envp;
    for (auto& a : args) argv.push_back(a.data());
    argv.push_back(nullptr);
    for (auto& e : env) envp.push_back(e.data());
    envp.push_back(nullptr);
    const std::string out = (ausgabe + QStringLiteral(".out")).toStdString(), err = (ausgabe + QStringLiteral(".err")).toStdString();
    sigset_t maske;
    sigemptyset(&maske);
    for (int s : blockiert) sigaddset(&maske, s);

    // The child starts with the signals blocked from its first instruction on: block them in
    // this thread around fork(), so that one sent right after fork() stays pending.
    sigset_t vorher;
    ::pthread_sigmask(SIG_BLOCK, &maske, &vorher);
    pid_ = ::fork();
    if (pid_ != 0) ::pthread_sigmask(SIG_SETMASK, &vorher, nullptr);
    if (pid_ == 0) {
        const int o = ::open(out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        const int e = ::open(err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        if (o < 0 || e < 0) ::_exit(126);
        ::dup2(o, 1);
        ::dup2(e, 2);
        ::execve(argv[0], argv.data(), envp.data());
        ::_exit(127);
    }
}

Prozess::~Prozess() {
    if (pid_ > 0) {
        ::kill(pid_, SIGKILL);
        ::waitpid(pid_, nullptr, 0);
    }
}

void Prozess::signal(int nummer) const {
    if (pid_ > 0) ::kill(pid_, nummer);
}

std::optional<int> Prozess::warten(std::chrono::milliseconds grenze) {
    int status = 0;
    const bool fertig = warteBis([&] { return pid_ > 0 && ::waitpid(pid_, &status, WNOHANG) == pid_; }, grenze);
    if (!fertig) return std::nullopt;
    pid_ = -1;
    return status;
}

QByteArray Prozess::fehlerAusgabe() const {
    QFile d(ausgabe_ + QStringLiteral(".err"));
    return d.open(QIODevice::ReadOnly) ? d.readAll() : QByteArray();
}

bool warteBis(const std::function<bool()>& bedingung, std::chrono::milliseconds grenze) {
    const auto ende = std::chrono::steady_clock::now() + grenze;
    while (!bedingung()) {
        if (std::chrono::steady_clock::now() >= ende) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return true;
}

KleinesTmpfs::KleinesTmpfs(const QString& p) : pfad(p) {
    QDir().mkpath(pfad);
    bereit = ::geteuid() == 0 && ::mount("tmpfs", QFile::encodeName(pfad).constData(), "tmpfs", 0, "size=64k") == 0;
}

KleinesTmpfs::~KleinesTmpfs() {
    if (bereit) ::umount2(QFile::encodeName(pfad).constData(), MNT_DETACH);
}

void KleinesTmpfs::füllen() const {
    QFile füller(pfad + QStringLiteral("/rest"));
    if (!füller.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) return;
    const QByteArray block(4096, 'f');
    while (füller.write(block) == block.size()) {}
    while (füller.write(block.left(1)) == 1) {}
}

QByteArray dunkelBytes() {
    QByteArray b;
    for (int i = 0; i < 1764; ++i) b.append("\x00\x01", 2);
    return b.append("\x80\x00", 2);
}

} // namespace glanzzug::test
