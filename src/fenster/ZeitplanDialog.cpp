#include "ZeitplanDialog.h"
#include "Bindung.h"
#include "ZeitplanSteuerung.h"
#include <QComboBox>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace glanzzug {

namespace {
enum Spalte { Tage, Von, Bis, Daten, Ziel, Spalten };

// The columns of one file line: days, from, to, dates, what plays. A line that is no rule
// keeps its whole text in the first column, so that it is not lost and must be mended.
QStringList spaltenAus(const QString& zeile) {
    const auto r = regelLesen(zeile, nullptr);
    if (!r) return {zeile.trimmed(), {}, {}, {}, {}};
    QString daten;
    const QString z = r->zeile();
    if (r->daten != Regel::Daten::Immer) daten = z.left(z.indexOf(u' '));
    const QString zeit = r->zeitText();
    return {zeit.left(zeit.lastIndexOf(u' ')), uhrText(r->von), uhrText(r->bis), daten, r->ziel};
}
} // namespace

ZeitplanDialog::ZeitplanDialog(ZeitplanSteuerung& steuerung, const QStringList& laufListen, QWidget* eltern)
    : QDialog(eltern), steuerung_(steuerung), laufListen_(laufListen) {
    setWindowTitle(QStringLiteral("Zeitplan"));
    setObjectName(QStringLiteral("ZeitplanDialog"));
    auto* spalte = new QVBoxLayout(this);
    auto* erklärung = new QLabel(
        QStringLiteral("Die erste passende Zeile gilt; außerhalb aller Zeilen spielt Ihre eigene Lauf-Liste. "
                       "Tage: Mo-Fr, Sa,So oder täglich; Daten: 01.12.-24.12. oder 24.12.2026 (leer: immer)."),
        this);
    erklärung->setWordWrap(true);
    spalte->addWidget(erklärung);

    tabelle_ = new QTableWidget(0, Spalten, this);
    tabelle_->setObjectName(QStringLiteral("Regeln"));
    tabelle_->setHorizontalHeaderLabels({QStringLiteral("Tage"), QStringLiteral("von"), QStringLiteral("bis"),
                                         QStringLiteral("Daten"), QStringLiteral("Lauf-Liste oder dunkel")});
    tabelle_->horizontalHeader()->setSectionResizeMode(Ziel, QHeaderView::Stretch);
    tabelle_->setSelectionBehavior(QAbstractItemView::SelectRows);
    tabelle_->setSelectionMode(QAbstractItemView::SingleSelection);
    const ZeitplanStand& stand = steuerung.stand();
    gelesen_ = stand.inhalt;
    for (const QString& z : stand.zeilen) {
        QString grund;
        if (!regelLesen(z, &grund) && grund.isEmpty()) kommentare_ << z;
        else zeileAnfügen(spaltenAus(z));
    }
    spalte->addWidget(tabelle_, 1);

    auto* knöpfe = new QHBoxLayout;
    const auto knopf = [this, knöpfe](const QString& text, auto tun) {
        auto* k = new QPushButton(text, this);
        k->setAutoDefault(false);
        connect(k, &QPushButton::clicked, this, tun);
        knöpfe->addWidget(k);
    };
    knopf(QStringLiteral("Regel hinzufügen"), [this] {
        zeileAnfügen({QStringLiteral("Mo-Fr"), QStringLiteral("08:00"), QStringLiteral("18:00"), {}, QStringLiteral("dunkel")});
        tabelle_->selectRow(tabelle_->rowCount() - 1);
    });
    knopf(QStringLiteral("Entfernen"), [this] {
        if (tabelle_->currentRow() >= 0) tabelle_->removeRow(tabelle_->currentRow());
    });
    knopf(QStringLiteral("Nach oben"), [this] { verschieben(-1); });
    knopf(QStringLiteral("Nach unten"), [this] { verschieben(1); });
    knöpfe->addStretch(1);
    spalte->addLayout(knöpfe);

    auto* zustand = new QLabel(this);
    zustand->setObjectName(QStringLiteral("ZeitplanJetzt"));
    binde(zustand, steuerung.Zustand);
    spalte->addWidget(zustand);
    fehler_ = new QLabel(this);
    fehler_->setStyleSheet(QStringLiteral("color: #b00000"));
    fehler_->setWordWrap(true);
    spalte->addWidget(fehler_);

    auto* ende = new QDialogButtonBox(QDialogButtonBox::Save | QDialogButtonBox::Cancel, this);
    connect(ende, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(ende, &QDialogButtonBox::rejected, this, &QDialog::reject);
    spalte->addWidget(ende);
    resize(780, 460);
}

void ZeitplanDialog::zeileAnfügen(const QStringList& spalten) {
    const int z = tabelle_->rowCount();
    tabelle_->insertRow(z);
    for (int s = 0; s < Ziel; ++s) tabelle_->setItem(z, s, new QTableWidgetItem(spalten.value(s)));
    auto* wahl = new QComboBox(tabelle_);
    wahl->setEditable(true);
    wahl->addItem(QStringLiteral("dunkel"));
    wahl->addItems(laufListen_);
    wahl->setCurrentText(spalten.value(Ziel));
    tabelle_->setCellWidget(z, Ziel, wahl);
}

void ZeitplanDialog::verschieben(int um) {
    const int von = tabelle_->currentRow(), nach = von + um;
    if (von < 0 || nach < 0 || nach >= tabelle_->rowCount()) return;
    QStringList a, b;
    for (int s = 0; s < Ziel; ++s) {
        a << tabelle_->item(von, s)->text();
        b << tabelle_->item(nach, s)->text();
    }
    const QString za = static_cast<QComboBox*>(tabelle_->cellWidget(von, Ziel))->currentText();
    const QString zb = static_cast<QComboBox*>(tabelle_->cellWidget(nach, Ziel))->currentText();
    for (int s = 0; s < Ziel; ++s) {
        tabelle_->item(von, s)->setText(b[s]);
        tabelle_->item(nach, s)->setText(a[s]);
    }
    static_cast<QComboBox*>(tabelle_->cellWidget(von, Ziel))->setCurrentText(zb);
    static_cast<QComboBox*>(tabelle_->cellWidget(nach, Ziel))->setCurrentText(za);
    tabelle_->selectRow(nach);
}

QStringList ZeitplanDialog::zeilen() const {
    QStringList z = kommentare_;
    for (int r = 0; r < tabelle_->rowCount(); ++r) {
        const auto text = [&](int s) { return tabelle_->item(r, s) ? tabelle_->item(r, s)->text().trimmed() : QString(); };
        const QString ziel = static_cast<QComboBox*>(tabelle_->cellWidget(r, Ziel))->currentText().trimmed();
        QString zeile = text(Daten).isEmpty() ? QString() : text(Daten) + u' ';
        zeile += text(Tage);
        if (!text(Von).isEmpty() || !text(Bis).isEmpty()) zeile += u' ' + text(Von) + u'-' + text(Bis);
        if (!ziel.isEmpty()) zeile += u' ' + ziel;
        z << zeile.trimmed();
    }
    return z;
}

void ZeitplanDialog::accept() {
    QString grund;
    int zeile = 0;
    if (!steuerung_.speichern(zeilen(), gelesen_, &grund, &zeile)) {
        // Name the table row, not the file line (the comments stand before the rows).
        if (zeile > kommentare_.size()) {
            const int reihe = zeile - int(kommentare_.size());
            tabelle_->selectRow(reihe - 1);
            grund.replace(QStringLiteral("Zeile %1:").arg(zeile), QStringLiteral("Regel %1:").arg(reihe));
        }
        fehler_->setText(grund);
        return;
    }
    QDialog::accept();
}

void zeitplanBearbeiten(ZeitplanSteuerung* steuerung, const QStringList& laufListen, QWidget* eltern) {
    if (!steuerung) return;
    ZeitplanDialog d(*steuerung, laufListen, eltern);
    d.exec();
}

} // namespace glanzzug
