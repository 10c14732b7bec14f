#pragma once
#include <QByteArray>
#include <QString>
#include <stdexcept>

namespace glanzzug {

// The access token of the remote control: 256 random bits as 64 hexadecimal digits, kept
// in a file outside the program's folder so that it never shows in the window's lists.
struct Schlüssel {
    // A token file that cannot be used: the message names the file and the reason.
    class Fehler : public std::runtime_error {
    public:
        using std::runtime_error::runtime_error;
    };

    // ~/.config/glanzzug/http-token (XDG_CONFIG_HOME is honoured).
    static QString standardPfad();

    // Reads the token from `pfad`, or creates the file when there is none: a new token
    // from the system's random source, written to a temporary file of mode 0600 beside it,
    // synced, then linked into place (an existing file is never replaced). The folder is
    // created with mode 0700 when missing. An existing file is read only when it is a
    // regular file (not a link) of at most kGrößteDatei bytes that only its owner may
    // read or change (refused with "chmod 600" as the remedy otherwise); its first line must be a token of at
    // least 32 characters from A-Z, a-z, 0-9, '-', '_', '.', '~' (safe in a URL).
    // Throws Fehler otherwise.
    static QByteArray ladenOderErzeugen(const QString& pfad);

    // Whether `angebot` equals `schlüssel`, in time that depends only on their lengths.
    static bool gleich(QByteArrayView angebot, QByteArrayView schlüssel);

    static constexpr qint64 kGrößteDatei = 4096;
    static constexpr int kKürzesterSchlüssel = 32;
};

} // namespace glanzzug
