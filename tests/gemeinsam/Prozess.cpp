#include "Prozess.h"
#include <QDir>
#include <QFile>
#include <sys/mount.h>
#include <unistd.h>

namespace glanzzug::test {

Prozess::Prozess(const QString& programm, const QStringList& argumente, const QString& ausgabe,
                 const QStringList& umgebung, std::initializer_list<int> blockiert)
    : ausgabe_(ausgabe) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const QString& u : umgebung)
        u.contains(u'=') ? env.insert(u.section(u'=', 0, 0), u.section(u'=', 1)) : env.remove(u);
    kind_.setProcessEnvironment(env);
    kind_.setStandardOutputFile(ausgabe + QStringLiteral(".out"));
    kind_.setStandardErrorFile(ausgabe + QStringLiteral(".err"));
    sigset_t maske;
    sigemptyset(&maske);
    for (int s : blockiert) sigaddset(&maske, s);
    // Runs in the child before exec(); waitForStarted() returns only after the exec.
    kind_.setChildProcessModifier([maske] { ::sigprocmask(SIG_BLOCK, &maske, nullptr); });
    kind_.start(programm, argumente);
    kind_.waitForStarted();
}

Prozess::~Prozess() {
    kind_.kill();
    kind_.waitForFinished();
}

void Prozess::signal(int nummer) const {
    if (kind_.state() == QProcess::Running) ::kill(pid_t(kind_.processId()), nummer);
}

std::optional<int> Prozess::warten(std::chrono::milliseconds grenze) {
    if (kind_.state() != QProcess::NotRunning && !kind_.waitForFinished(int(grenze.count()))) return std::nullopt;
    return kind_.exitStatus() == QProcess::CrashExit ? 128 + kind_.exitCode() : kind_.exitCode();
}

QByteArray Prozess::fehlerAusgabe() const {
    QFile d(ausgabe_ + QStringLiteral(".err"));
    return d.open(QIODevice::ReadOnly) ? d.readAll() : QByteArray();
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
