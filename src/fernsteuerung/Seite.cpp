#include "Seite.h"
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

namespace glanzzug {

namespace {
constexpr char kOrdner[] = ":/fernsteuerung";

// Extension (lower case) and content type; anything else is served as plain bytes.
struct Typ {
    const char* endung;
    const char* typ;
};
constexpr Typ kTypen[] = {
    {"html", "text/html; charset=utf-8"},       {"css", "text/css; charset=utf-8"},
    {"js", "text/javascript; charset=utf-8"},   {"json", "application/json; charset=utf-8"},
    {"svg", "image/svg+xml"},                   {"png", "image/png"},
    {"ico", "image/x-icon"},                    {"webmanifest", "application/manifest+json"},
    {"txt", "text/plain; charset=utf-8"},       {"woff2", "font/woff2"},
};

QByteArray typ(const QString& name) {
    const QString endung = QFileInfo(name).suffix().toLower();
    for (const Typ& t : kTypen)
        if (endung == QLatin1StringView(t.endung)) return t.typ;
    return "application/octet-stream";
}
} // namespace

Seite::Seite() {
    QDirIterator it(QString::fromLatin1(kOrdner), QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString resource = it.next();
        QFile datei(resource);
        if (!datei.open(QIODevice::ReadOnly)) continue;
        const QString pfad = resource.mid(int(sizeof kOrdner) - 1); // "/name"
        dateien_[pfad] = {datei.readAll(), typ(pfad)};
    }
}

const Seite::Datei* Seite::finden(const QString& pfad) const {
    const auto it = dateien_.find(pfad == u"/" ? QStringLiteral("/index.html") : pfad);
    return it == dateien_.end() ? nullptr : &it->second;
}

} // namespace glanzzug
