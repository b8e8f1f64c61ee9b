// Arrays with fixed bounds, whose subscripts are checked.
#pragma once

#include <array>
#include <cstdint>
#include <iterator>
#include <type_traits>

#include "Erreurs.h"

namespace Runtime {

// Indexes Bas to Haut. A subscript outside them raises the index error; under
// a handler, the access then lands on a spare element that the procedure,
// which stops at its next check, never hands on.
template <typename T, std::int32_t Bas, std::int32_t Haut>
class Tableau {
    static_assert(Bas <= Haut);

  public:
    static constexpr bool Contient(std::int32_t i) noexcept { return i >= Bas && i <= Haut; }

    T& operator[](std::int32_t i) {
        if (!Contient(i)) [[unlikely]]
            return HorsLimites();
        return elements_[static_cast<std::size_t>(i - Bas)];
    }

  private:
    static T& HorsLimites() {
        Leve(Erreur::IndiceHorsLimites);
        static T rebut;
        rebut = T{};
        return rebut;
    }

    std::array<T, Haut - Bas + 1> elements_{};
};

// The n-th of a list of values, counted from 1.
template <typename Liste>
auto Choisit(std::int32_t n, const Liste& valeurs) {
    using T = std::remove_cvref_t<decltype(*std::begin(valeurs))>;
    if (n < 1 || n > static_cast<std::int32_t>(std::size(valeurs))) [[unlikely]] {
        Leve(Erreur::IndiceHorsLimites);
        return T{};
    }
    return std::begin(valeurs)[n - 1];
}

}  // namespace Runtime
