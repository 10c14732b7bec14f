#include "FernsteuerungDialog.h"
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QVBoxLayout>
#include <memory>
#include <qrencode.h>

namespace glanzzug {

QImage qrBild(const QString& text, int modul) {
    const QByteArray utf8 = text.toUtf8();
    const std::unique_ptr<QRcode, decltype(&QRcode_free)> qr(
        QRcode_encodeString8bit(utf8.constData(), 0, QR_ECLEVEL_M), &QRcode_free);
    if (!qr) return {};
    constexpr int kRand = 4;
    const int seite = (qr->width + 2 * kRand) * modul;
    QImage bild(seite, seite, QImage::Format_RGB32);
    bild.fill(Qt::white);
    QPainter p(&bild);
    for (int y = 0; y < qr->width; ++y)
        for (int x = 0; x < qr->width; ++x)
            if (qr->data[y * qr->width + x] & 1)
                p.fillRect((x + kRand) * modul, (y + kRand) * modul, modul, modul, Qt::black);
    return bild;
}

FernsteuerungDialog::FernsteuerungDialog(const QStringList& adressen, QWidget* eltern)
    : QDialog(eltern), adressen_(adressen) {
    setWindowTitle(QStringLiteral("Fernsteuerung"));
    auto* spalte = new QVBoxLayout(this);
    auto* erklärung = new QLabel(this);
    erklärung->setWordWrap(true);
    erklärung->setMinimumWidth(360);
    if (adressen_.isEmpty()) {
        erklärung->setText(QStringLiteral(
            "Die Fernsteuerung ist aus. Starten Sie Glanzzug mit „--http 0.0.0.0:8080“ (beim Dienst: "
            "GLANZZUG_HTTP=0.0.0.0:8080 in /etc/default/glanzzug), dann steht hier die Adresse mit einem QR-Code "
            "für das Telefon."));
        spalte->addWidget(erklärung);
    } else {
        erklärung->setText(QStringLiteral(
            "Scannen Sie den QR-Code mit der Kamera Ihres Telefons oder öffnen Sie die Adresse im Browser; das "
            "Telefon muss im selben Netz sein wie dieser Rechner. Die Adresse enthält den Zugangsschlüssel: "
            "Geben Sie sie nur an Personen weiter, die die Anzeige steuern dürfen."));
        spalte->addWidget(erklärung);
        if (adressen_.size() > 1) {
            auto* wahl = new QComboBox(this);
            for (const QString& a : adressen_) wahl->addItem(a.section(u'/', 2, 2));
            connect(wahl, &QComboBox::currentIndexChanged, this, [this](int i) { zeigen(i); });
            spalte->addWidget(wahl);
        }
        code_ = new QLabel(this);
        code_->setAlignment(Qt::AlignCenter);
        spalte->addWidget(code_);
        adresse_ = new QLabel(this);
        adresse_->setWordWrap(true);
        adresse_->setTextInteractionFlags(Qt::TextSelectableByMouse);
        spalte->addWidget(adresse_);
        zeigen(0);
    }
    auto* knöpfe = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(knöpfe, &QDialogButtonBox::rejected, this, &QDialog::reject);
    spalte->addWidget(knöpfe);
}

void FernsteuerungDialog::zeigen(int i) {
    if (i < 0 || i >= adressen_.size()) return;
    code_->setPixmap(QPixmap::fromImage(qrBild(adressen_[i], 4)));
    adresse_->setText(adressen_[i]);
}

} // namespace glanzzug
