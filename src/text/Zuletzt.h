#pragma once
#include <QString>
#include <algorithm>
#include <array>
#include <cstddef>

namespace glanzzug {

// The last few results of a preparation that depends only on its inputs, most recently
// used first: a text and its alternating text, each perhaps in two states of the clock,
// stay prepared while they take turns. Used from the window's thread only.
template <class Eintrag, std::size_t N> class Zuletzt {
public:
    // The entry `passt` accepts, now the most recent; else a new one from `neu`, in place
    // of the least recently used.
    template <class Passt, class Neu> Eintrag& holen(Passt passt, Neu neu) {
        std::size_t k = 0;
        while (k < N && !passt(einträge_[k])) ++k;
        if (k == N) {
            k = N - 1;
            einträge_[k] = neu();
        }
        std::rotate(einträge_.begin(), einträge_.begin() + std::ptrdiff_t(k), einträge_.begin() + std::ptrdiff_t(k) + 1);
        return einträge_.front();
    }

private:
    std::array<Eintrag, N> einträge_{};
};

// Equal texts; the same shared text is recognised without comparing its characters.
inline bool gleicherText(const QString& a, const QString& b) {
    return (a.constData() == b.constData() && a.size() == b.size()) || a == b;
}

} // namespace glanzzug
