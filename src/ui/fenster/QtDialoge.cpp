#include "QtDialoge.h"
#include <QFontDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>

namespace glanzzug {

namespace {
const QString kTitel = QStringLiteral("Glanzzug");
}

bool QtDialoge::frageJaNein(const QString& text, const QString& titel, Symbol symbol) {
    QMessageBox box(symbol == Symbol::Frage ? QMessageBox::Question : QMessageBox::Critical,
                    titel.isEmpty() ? kTitel : titel, text, QMessageBox::NoButton, eltern_);
    QPushButton* ja = box.addButton(QStringLiteral("Ja"), QMessageBox::YesRole);
    box.addButton(QStringLiteral("Nein"), QMessageBox::NoRole);
    box.exec();
    return box.clickedButton() == ja;
}

void QtDialoge::hinweis(const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, kTitel, text, QMessageBox::Ok, eltern_);
    box.exec();
}

QString QtDialoge::eingabe(const QString& frage) {
    bool ok = false;
    const QString t = QInputDialog::getText(eltern_, kTitel, frage, QLineEdit::Normal, QString(), &ok);
    return ok ? t : QString();
}

std::optional<SchriftWahl> QtDialoge::schriftWählen(const SchriftWahl& start) {
    QFont f(start.name);
    f.setPointSizeF(start.größe > 0 ? start.größe : 6.75);
    f.setBold(start.fett);
    f.setItalic(start.kursiv);
    bool ok = false;
    const QFont neu = QFontDialog::getFont(&ok, f, eltern_, kTitel);
    if (!ok) return std::nullopt;
    return SchriftWahl{neu.family(), neu.pointSizeF(), neu.bold(), neu.italic()};
}

} // namespace glanzzug
