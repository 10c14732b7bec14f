#include "ModuleAusgeben.h"
#include "Fenster.h"
#include <algorithm>
#include <cmath>
#include <vector>

namespace glanzzug {

void frameBauen(const Fenster& f, std::uint8_t (&bytes)[kFrameBytes]) {
    const QImage& bild = f.Pic.bild();
    const int breite = bild.width(), höhe = bild.height();
    // Bit of a Qt 0xffRRGGBB pixel that carries bit 7 of colour byte 0 (red), 1 (green), 2 (blue).
    static constexpr int kQtBit[3] = {23, 15, 7};
    std::uint32_t maske[3];
    for (int p = 0; p < 3; ++p) {
        const int byte = f.FarbEbenenByte[p];
        maske[p] = byte >= 0 && byte < 3 ? (1u << kQtBit[byte]) : 0;
    }
    // Read each LED's pixel once; 0xffffffff stands for a point outside the image (all lit).
    std::uint32_t pixel[6][7][7];
    for (int m = 0; m < 6; ++m) {
        const double mx = std::floor(f.ModulX[m]), my = std::floor(f.ModulY[m]);
        for (int r = 0; r < 7; ++r) {
            const double y = my + r;
            const bool zeileDrin = y >= 0 && y < höhe;
            const QRgb* zeile = zeileDrin ? reinterpret_cast<const QRgb*>(bild.constScanLine(int(y))) : nullptr;
            for (int c = 0; c < 7; ++c) {
                const double x = mx + c;
                pixel[m][c][r] = zeileDrin && x >= 0 && x < breite ? zeile[int(x)] : 0xffffffffu;
            }
        }
    }
    int i = 0;
    for (int c = 6; c >= 0; --c)
        for (int r = 0; r < 7; ++r)
            for (int p = 0; p < 3; ++p) {
                std::uint8_t d = 0;
                for (int m = 0; m < 6; ++m)
                    if (pixel[m][c][r] & maske[p]) d |= std::uint8_t(2u << m);
                bytes[i++] = 0;
                bytes[i++] = d;
                bytes[i++] = std::uint8_t(d + 1);
                bytes[i++] = 1;
            }
    bytes[i++] = 128;
    bytes[i++] = 0;
}

void ModuleAusgeben(Fenster& f) {
    if (!f.port) return;
    std::uint8_t bytes[kFrameBytes];
    frameBauen(f, bytes);
    f.port->ausgebenFolge(Port::kAdresse, bytes, kFrameBytes);
    if (f.ablauf.frameGesendet) f.ablauf.frameGesendet(bytes, kFrameBytes);
}

void ModuleDunkel(Fenster& f) {
    if (!f.port) return;
    // Six repetitions, one per module number 0..LetztesModul, of 7 x 7 x 6 pulses, handed
    // over in one call.
    std::vector<std::uint8_t> bytes;
    const int pulse = (f.LetztesModul + 1) * 7 * 7 * 6;
    bytes.reserve(std::size_t(std::max(pulse, 0)) * 2 + 2);
    for (int k = 0; k < pulse; ++k) {
        bytes.push_back(0);
        bytes.push_back(1);
    }
    bytes.push_back(128);
    bytes.push_back(0);
    f.port->ausgebenFolge(Port::kAdresse, bytes.data(), bytes.size());
    if (f.ablauf.frameGesendet) f.ablauf.frameGesendet(bytes.data(), int(bytes.size()));
}

} // namespace glanzzug
