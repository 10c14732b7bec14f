#include "Textdatei.h"
#include "SichereDatei.h"
#include <QStringDecoder>
#include <QStringEncoder>

namespace glanzzug {

namespace {
constexpr const char* kCodepage = "windows-1252";
}

QByteArray alsWindows1252(const QString& text) {
    QStringEncoder enc(kCodepage);
    return enc.encode(text);
}

QString ausWindows1252(const QByteArray& bytes) {
    QStringDecoder dec(kCodepage);
    return dec.decode(bytes);
}

bool inWindows1252(QStringView text) {
    QStringEncoder enc(kCodepage);
    const QByteArray kodiert = enc.encode(text); // the encoding runs only when converted
    return !enc.hasError() && kodiert.size() == text.size();
}

QString nurWindows1252(const QString& text) {
    QString aus;
    aus.reserve(text.size());
    for (QChar c : text)
        if (inWindows1252(QStringView(&c, 1))) aus.append(c);
    return aus;
}

std::optional<QStringList> leseZeilen(const QString& pfad, qsizetype höchstens, qint64 höchstensBytes) {
    const auto inhalt = leseDatei(pfad, höchstensBytes);
    if (!inhalt) return std::nullopt;
    QStringList zeilen;
    qsizetype anfang = 0;
    const qsizetype n = inhalt->size();
    while (anfang < n && zeilen.size() < höchstens) {
        qsizetype i = anfang;
        while (i < n && (*inhalt)[i] != '\r' && (*inhalt)[i] != '\n') ++i;
        zeilen.append(ausWindows1252(inhalt->mid(anfang, i - anfang)));
        if (i < n && (*inhalt)[i] == '\r' && i + 1 < n && (*inhalt)[i + 1] == '\n') ++i;
        anfang = i + 1;
    }
    return zeilen;
}

std::optional<QString> leseErsteZeile(const QString& pfad) {
    auto zeilen = leseZeilen(pfad, 1);
    if (!zeilen || zeilen->isEmpty()) return std::nullopt;
    return zeilen->first();
}

bool schreibeZeilenAtomar(const QString& pfad, const QStringList& zeilen) {
    QByteArray bytes;
    for (const QString& z : zeilen) {
        bytes.append(alsWindows1252(z));
        bytes.append("\r\n");
    }
    return schreibeDatei(pfad, bytes);
}

} // namespace glanzzug
