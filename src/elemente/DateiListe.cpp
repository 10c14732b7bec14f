#include "DateiListe.h"
#include <QDir>
#include <QRegularExpression>

namespace glanzzug {

bool DateiListe::passt(const QString& name, const QString& muster) {
    for (const QString& teil : muster.split(u';', Qt::SkipEmptyParts)) {
        QRegularExpression re(QRegularExpression::wildcardToRegularExpression(teil.trimmed()),
                              QRegularExpression::CaseInsensitiveOption);
        if (re.match(name).hasMatch()) return true;
    }
    return false;
}

void DateiListe::aktualisieren() {
    QStringList neu;
    const QStringList alle = QDir(QStringLiteral(".")).entryList(QDir::Files | QDir::Hidden, QDir::NoSort);
    for (const QString& n : alle)
        if (passt(n, muster_)) neu.append(n);
    std::sort(neu.begin(), neu.end(),
              [](const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) < 0; });
    dateien_ = neu;
    index_ = -1;
    anzeige.auslösen();
}

} // namespace glanzzug
