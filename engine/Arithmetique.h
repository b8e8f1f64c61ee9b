// Checked integer arithmetic, rounding conversions and the 16-bit booleans.
//
// Every operation that can fail raises through Leve() and then returns 0: a
// caller under an error handler checks EnErreur() before it uses the result.
#pragma once

#include <cmath>
#include <cstdint>
#include <limits>

#include "Erreurs.h"

namespace Runtime {

// Booleans are 16-bit: true has every bit set, and any non-zero value tests true.
using Booleen = std::int16_t;
inline constexpr Booleen Vrai = -1;
inline constexpr Booleen Faux = 0;
constexpr Booleen VersBooleen(bool b) noexcept {
    return b ? Vrai : Faux;
}

namespace detail {
template <typename T>
T Depassement() {
    Leve(Erreur::DepassementCapacite);
    return 0;
}
}  // namespace detail

template <typename T>
inline T Ajoute(T a, T b) {
    T r;
    if (__builtin_add_overflow(a, b, &r)) [[unlikely]]
        return detail::Depassement<T>();
    return r;
}

template <typename T>
inline T Soustrait(T a, T b) {
    T r;
    if (__builtin_sub_overflow(a, b, &r)) [[unlikely]]
        return detail::Depassement<T>();
    return r;
}

template <typename T>
inline T Multiplie(T a, T b) {
    T r;
    if (__builtin_mul_overflow(a, b, &r)) [[unlikely]]
        return detail::Depassement<T>();
    return r;
}

// The nearest whole number, halves to even. Adding and taking away 2^52 leaves
// exactly that in IEEE double arithmetic; a library call here would weigh on
// the search, which rounds a quotient at nearly every level.
inline double ArrondiPair(double x) noexcept {
    constexpr double deux52 = 4503599627370496.0;
    if (!(std::fabs(x) < deux52)) return x;  // already whole, or not a number
    return x >= 0 ? (x + deux52) - deux52 : (x - deux52) + deux52;
}

// A floating value to an integer type: rounded to nearest, halves to even,
// and an overflow error when the result lies outside the type.
template <typename T>
inline T VersEntier(double x) {
    const double r = ArrondiPair(x);
    if (!(r >= static_cast<double>(std::numeric_limits<T>::min()) &&
          r <= static_cast<double>(std::numeric_limits<T>::max()))) [[unlikely]]
        return detail::Depassement<T>();
    return static_cast<T>(r);
}

inline std::int16_t VersEntier16(double x) {
    return VersEntier<std::int16_t>(x);
}
inline std::int32_t VersEntier32(double x) {
    return VersEntier<std::int32_t>(x);
}

// A 32-bit integer narrowed to 16 bits: unchanged, or an overflow error.
inline std::int16_t VersEntier16(std::int32_t x) {
    if (x < std::numeric_limits<std::int16_t>::min() ||
        x > std::numeric_limits<std::int16_t>::max()) [[unlikely]]
        return detail::Depassement<std::int16_t>();
    return static_cast<std::int16_t>(x);
}

// The greatest whole number not above x, as a floating value.
inline double Plancher(double x) noexcept {
    return std::floor(x);
}
// Without a library call: the search tests a quotient for wholeness at nearly
// every level. From 2^23 on every single-precision value is whole.
inline float Plancher(float x) noexcept {
    if (!(std::fabs(x) < 8388608.0f)) return x;
    const float t = static_cast<float>(static_cast<std::int32_t>(x));
    return t > x ? t - 1.0f : t;
}

// The nearest single-precision value; an overflow error past its range.
inline float VersSimple(double x) {
    const float s = static_cast<float>(x);
    if (std::isinf(s) && !std::isinf(x)) [[unlikely]] {
        Leve(Erreur::DepassementCapacite);
        return 0;
    }
    return s;
}

// A quotient in double precision. Division by zero and an invalid operation
// (0 / 0) are floating-point faults.
inline double Divise(double a, double b) {
    const double q = a / b;
    if (!std::isfinite(q)) [[unlikely]] {
        Leve(b == 0 && a != 0 ? Erreur::DivisionParZero : Erreur::DepassementCapacite);
        return 0;
    }
    return q;
}

// The immediate choice: the first value when the test holds, else the second.
template <typename T>
inline T SiImmediat(Booleen test, T siVrai, T siFaux) {
    return test ? siVrai : siFaux;
}

}  // namespace Runtime
