#pragma once
#include <QByteArray>
#include <QString>
#include <map>

namespace glanzzug {

// The page's files, every file under the resources' ":/fernsteuerung/" by its name
// ("/seite.js"; "/" is "/index.html"), with a content type from its extension. Read once
// on the thread that builds it, then only looked up (from the network thread).
class Seite {
public:
    struct Datei {
        QByteArray inhalt;
        QByteArray typ;
    };
    Seite();
    // The file at a decoded request path, null when there is none.
    const Datei* finden(const QString& pfad) const;

private:
    std::map<QString, Datei> dateien_;
};

} // namespace glanzzug
