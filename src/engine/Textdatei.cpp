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

QStringList zeilenAus(QByteArrayView bytes, qsizetype höchstens) {
    // Windows-1252 is one byte per character and keeps CR and LF, so the text can be
    // decoded at once and split afterwards.
    const QString text = ausWindows1252(bytes.toByteArray());
    QStringList zeilen;
    qsizetype anfang = 0;
    const qsizetype n = text.size();
    while (anfang < n && zeilen.size() < höchstens) {
        qsizetype i = anfang;
        while (i < n && text[i] != u'\r' && text[i] != u'\n') ++i;
        zeilen.append(text.sliced(anfang, i - anfang));
        if (i < n && text[i] == u'\r' && i + 1 < n && text[i + 1] == u'\n') ++i;
        anfang = i + 1;
    }
    return zeilen;
}

std::optional<QStringList> leseZeilen(const QString& pfad, qsizetype höchstens, qint64 höchstensBytes) {
    const auto inhalt = leseDatei(pfad, höchstensBytes);
    if (!inhalt) return std::nullopt;
    return zeilenAus(*inhalt, höchstens);
}

std::optional<QString> leseErsteZeile(const QString& pfad) {
    auto zeilen = leseZeilen(pfad, 1);
    if (!zeilen || zeilen->isEmpty() || zeilen->first().contains(QChar(0))) return std::nullopt;
    return zeilen->first();
}

bool schreibeZeilenAtomar(const QString& pfad, const QStringList& zeilen, SchreibFehler* fehler) {
    QByteArray bytes;
    for (const QString& z : zeilen) {
        bytes.append(alsWindows1252(z));
        bytes.append("\r\n");
    }
    return schreibeDatei(pfad, bytes, fehler);
}

} // namespace glanzzug
