#include "DateiStand.h"
#include <QFile>
#include <sys/stat.h>

namespace glanzzug {

DateiStand dateiStand(const struct stat& st) {
    const auto ns = [](const timespec& t) { return qint64(t.tv_sec) * 1'000'000'000 + t.tv_nsec; };
    return DateiStand{st.st_dev, st.st_ino, st.st_size, ns(st.st_mtim), ns(st.st_ctim)};
}

std::optional<DateiStand> dateiStand(const QString& pfad) {
    struct stat st {};
    if (pfad.isEmpty() || pfad.contains(QChar(0)) || ::stat(QFile::encodeName(pfad).constData(), &st) != 0)
        return std::nullopt;
    return dateiStand(st);
}

} // namespace glanzzug
