#include "SchriftDialog.h"
#include "Zahl.h"
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>
#include <cmath>

namespace glanzzug {

namespace {
const QString kLedSchrift = QStringLiteral("Small Fonts");
// Sizes offered: the whole-pixel steps of the LED font (6.75 is one LED per font pixel,
// 13.5 two, ...) among the usual point sizes.
const double kGrößen[] = {2, 3, 4, 5, 6, 6.75, 8, 9, 10, 11, 12, 13.5, 14, 16, 18, 20.25, 24, 27, 36, 48, 72};
const QString kProbe = QStringLiteral("LAUF Äöü gj 12€");
} // namespace

// Draws the sample text with the rasteriser the display uses, magnified so that every
// pixel is a square: what the LEDs will show.
class SchriftVorschau : public QWidget {
public:
    explicit SchriftVorschau(QWidget* eltern) : QWidget(eltern) {
        setMinimumSize(420, 90);
        setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    }
    void zeige(const SchriftWahl& w) {
        wahl_ = w;
        update();
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.fillRect(rect(), QColor(20, 20, 20));
        const auto satz = schriftsatzFür(wahl_);
        const int b = std::clamp(satz->breite(kProbe) + 2, 1, 4000);
        const int h = std::clamp(satz->zeilenhöhe() + 2, 1, 1000);
        QImage bild(b, h, QImage::Format_RGB32);
        bild.fill(QColor(0, 0, 0));
        satz->zeichne(bild, 1, 1, kProbe, qRgb(255, 60, 40));
        const int faktor = std::max(1, std::min(width() / b, height() / h));
        p.drawImage(QRect(0, 0, b * faktor, h * faktor), bild);
        if (faktor >= 4) {
            p.setPen(QColor(35, 35, 35));
            for (int x = 0; x <= b; ++x) p.drawLine(x * faktor, 0, x * faktor, h * faktor);
            for (int y = 0; y <= h; ++y) p.drawLine(0, y * faktor, b * faktor, y * faktor);
        }
    }

private:
    SchriftWahl wahl_;
};

SchriftDialog::SchriftDialog(const SchriftWahl& start, QWidget* eltern)
    : QDialog(eltern), letzteGültigeGröße_(start.größe > 0 ? start.größe : 6.75) {
    auto* raster = new QGridLayout(this);
    raster->addWidget(new QLabel(QStringLiteral("Schriftart:"), this), 0, 0);
    raster->addWidget(new QLabel(QStringLiteral("Größe:"), this), 0, 1);

    namen_ = new QListWidget(this);
    namen_->addItem(kLedSchrift);
    for (const QString& n : QFontDatabase::families())
        if (n.compare(kLedSchrift, Qt::CaseInsensitive) != 0) namen_->addItem(n);
    const auto treffer = namen_->findItems(start.name, Qt::MatchFixedString);
    namen_->setCurrentItem(treffer.isEmpty() ? namen_->item(0) : treffer.first());
    raster->addWidget(namen_, 1, 0, 3, 1);

    größe_ = new QComboBox(this);
    größe_->setEditable(true);
    for (double g : kGrößen) größe_->addItem(zahlText(g));
    größe_->setEditText(zahlText(letzteGültigeGröße_));
    raster->addWidget(größe_, 1, 1, Qt::AlignTop);

    auto* stil = new QVBoxLayout;
    fett_ = new QCheckBox(QStringLiteral("Fett"), this);
    fett_->setChecked(start.fett);
    kursiv_ = new QCheckBox(QStringLiteral("Kursiv"), this);
    kursiv_->setChecked(start.kursiv);
    stil->addWidget(fett_);
    stil->addWidget(kursiv_);
    stil->addStretch();
    raster->addLayout(stil, 2, 1);

    raster->addWidget(new QLabel(QStringLiteral("So sieht es auf den LEDs aus:"), this), 4, 0, 1, 2);
    vorschau_ = new SchriftVorschau(this);
    raster->addWidget(vorschau_, 5, 0, 1, 2);

    auto* knöpfe = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    knöpfe->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Abbrechen"));
    connect(knöpfe, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(knöpfe, &QDialogButtonBox::rejected, this, &QDialog::reject);
    raster->addWidget(knöpfe, 6, 0, 1, 2);
    raster->setRowStretch(5, 1);

    connect(namen_, &QListWidget::currentRowChanged, this, [this] { vorschauErneuern(); });
    connect(größe_, &QComboBox::editTextChanged, this, [this] { vorschauErneuern(); });
    connect(fett_, &QCheckBox::toggled, this, [this] { vorschauErneuern(); });
    connect(kursiv_, &QCheckBox::toggled, this, [this] { vorschauErneuern(); });
    vorschauErneuern();
    resize(560, 420);
}

SchriftWahl SchriftDialog::wahl() const {
    SchriftWahl w;
    if (const QListWidgetItem* n = namen_->currentItem()) w.name = n->text();
    w.größe = letzteGültigeGröße_;
    w.fett = fett_->isChecked();
    w.kursiv = kursiv_->isChecked();
    return w;
}

void SchriftDialog::vorschauErneuern() {
    // A size is a positive number of at most 1000 points; anything else keeps the last.
    const double g = führendeZahl(größe_->currentText());
    if (std::isfinite(g) && g > 0 && g <= 1000) letzteGültigeGröße_ = g;
    vorschau_->zeige(wahl());
}

std::optional<SchriftWahl> SchriftDialog::wählen(const SchriftWahl& start, QWidget* eltern,
                                                 const QString& titel) {
    SchriftDialog d(start, eltern);
    d.setWindowTitle(titel);
    if (d.exec() != QDialog::Accepted) return std::nullopt;
    return d.wahl();
}

} // namespace glanzzug
