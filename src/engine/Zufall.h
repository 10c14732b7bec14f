#pragma once
#include <cstdint>

namespace glanzzug {

// The program's one random generator: uniform numbers in [0, 1). It is never seeded from
// the clock, so every run produces the same sequence (a 64-bit linear congruential
// generator; the top 53 bits make the number).
class Zufall {
public:
    double Rnd() {
        ++gezogen_;
        zustand_ = zustand_ * 6364136223846793005ull + 1442695040888963407ull;
        return double(zustand_ >> 11) * (1.0 / 9007199254740992.0);
    }
    // How many numbers were drawn so far (tests count the draws of a routine with it).
    std::uint64_t gezogen() const { return gezogen_; }

private:
    std::uint64_t zustand_ = 0x2545F4914F6CDD1Dull;
    std::uint64_t gezogen_ = 0;
};

} // namespace glanzzug
