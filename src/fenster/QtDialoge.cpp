#include "QtDialoge.h"
#include "SchriftDialog.h"
#include <QCoreApplication>
#include <QInputDialog>
#include <QLibraryInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QTranslator>

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

bool qtTexteAufDeutsch(QCoreApplication& app) {
    auto* übersetzer = new QTranslator(&app);
    if (!übersetzer->load(QStringLiteral("qtbase_de"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete übersetzer;
        return false;
    }
    return QCoreApplication::installTranslator(übersetzer);
}

std::optional<SchriftWahl> QtDialoge::schriftWählen(const SchriftWahl& start) {
    // The dialog opens with the font chosen in it last; the first time with `start`.
    auto wahl = SchriftDialog::wählen(letzteSchrift_.value_or(start), eltern_, QStringLiteral("Schriftart"));
    if (wahl) letzteSchrift_ = wahl;
    return wahl;
}

} // namespace glanzzug
