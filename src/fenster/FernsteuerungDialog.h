#pragma once
#include <QDialog>
#include <QImage>
#include <QStringList>

class QLabel;

namespace glanzzug {

// The QR code of a text (an address), black modules on white with the quiet zone of four
// modules around it, each module `modul` pixels wide. A null image when the text does not
// fit a QR code.
QImage qrBild(const QString& text, int modul);

// "Fernsteuerung": how to reach the remote control from a phone. Shows each address the
// program listens on, with the token, as text and the chosen one as a QR code, and two
// sentences on how to use it; without addresses (no --http) it says how to switch the
// remote control on.
class FernsteuerungDialog : public QDialog {
public:
    FernsteuerungDialog(const QStringList& adressen, QWidget* eltern);

private:
    void zeigen(int i);

    QStringList adressen_;
    QLabel* code_ = nullptr;
    QLabel* adresse_ = nullptr;
};

} // namespace glanzzug
