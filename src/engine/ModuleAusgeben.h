#pragma once
#include <cstdint>
#include <vector>

namespace glanzzug {

struct Fenster;

// Number of port writes of one frame: 147 bits of four writes each, then latch and 0.
constexpr int kFrameBytes = 147 * 4 + 2;

// Samples the 7 x 7 window of every module (ModulX/ModulY) in the display image and
// builds the frame's port bytes: for column 6 down to 0, row 0 to 6, plane red, blue,
// green (FarbEbenenByte): 0, D, D + 1, 1, where D has bit m + 1 set when module m's
// colour byte is 128 or more. A pixel outside the image counts as lit in every plane.
// Ends with the latch 128, 0.
void frameBauen(const Fenster& f, std::uint8_t (&bytes)[kFrameBytes]);

// Sends one whole frame to the port at address 888.
void ModuleAusgeben(Fenster& f);

// Blanks all modules: 1764 clock pulses (0, 1) with all data lines low, then 128, 0.
void ModuleDunkel(Fenster& f);

} // namespace glanzzug
