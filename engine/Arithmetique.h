// Checked integer arithmetic, rounding conversions and the 16-bit booleans.
//
// Every operation that can fail raises through Leve() and then returns 0: a
// caller under an error handler checks EnErreur() before it uses the result.
#pragma once

#include <cfloat>
#include <cmath>
#include <cstdint>
#include <limits>

#include "Erreurs.h"

// The engine's results are those of IEEE single and double arithmetic, each
// operation rounded to nearest in its own type. x87 arithmetic keeps excess
// precision and rounds differently ("101.5" would read as 101): refuse it
// rather than give other chains. A multiply and add fused into one step would
// change results too, and no macro tells: the engine writes no a * b + c in
// floating point.
static_assert(std::numeric_limits<float>::is_iec559 && std::numeric_limits<double>::is_iec559,
              "the engine needs IEEE 754 single and double precision");
static_assert(FLT_EVAL_METHOD == 0,
              "the engine needs every floating-point operation rounded to its own type, with no "
              "excess precision (FLT_EVAL_METHOD 0): on x86 build with SSE arithmetic "
              "(-mfpmath=sse), not x87");
#if defined(__FAST_MATH__) || (defined(__FINITE_MATH_ONLY__) && __FINITE_MATH_ONLY__)
#error "the engine needs IEEE infinities and NaNs and exact rounding: build without -ffast-math"
#endif

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

// A floating value to an integer type: rounded to nearest, halves to even;
// false, and nothing stored, when the result lies outside the type.
template <typename T>
inline bool Arrondit(double x, T& resultat) noexcept {
    const double r = ArrondiPair(x);
    if (!(r >= static_cast<double>(std::numeric_limits<T>::min()) &&
          r <= static_cast<double>(std::numeric_limits<T>::max()))) [[unlikely]]
        return false;
    resultat = static_cast<T>(r);
    return true;
}

// The same, with an overflow error outside the type.
template <typename T>
inline T VersEntier(double x) {
    T r;
    if (!Arrondit(x, r)) [[unlikely]]
        return detail::Depassement<T>();
    return r;
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

// Below 2^24 every integer is exact in single precision.
inline constexpr std::int32_t LimiteSimpleExacte = 1 << 24;

// a is a multiple of b and at least b. For 0 <= a < 2^24 and b >= 1 this is
// the single-precision test "Plancher(q) == q and q >= 1" on q, the quotient
// a / b rounded to double then to single, with no floating point: a multiple
// gives a whole quotient below 2^24, exact in both types; any other quotient
// lies at least 1/b from a whole number, while both roundings together move
// it by at most (a/b)(2^-24 + 2^-53), under 1/b while a < 2^24. From 2^24 on
// a fraction can round away (16,777,217 / 2 rounds to 8,388,608): keep the test
// in single precision there.
constexpr bool EstMultiple(std::int32_t a, std::int32_t b) noexcept {
    return a >= b && static_cast<std::uint32_t>(a) % static_cast<std::uint32_t>(b) == 0;
}

// a / b rounded to the nearest, halves to even, for a >= 0 and b >= 1: the
// value VersEntier32(Divise(a, b)) gives, with no floating point. The double
// quotient is within (a/b) 2^-53 < 2^-22 / b of a/b. A whole or half quotient
// is exact in double; any other lies at least 1/(2b) from the nearest half, so
// rounding it to double never carries it onto or across one.
constexpr std::int32_t QuotientPair(std::int32_t a, std::int32_t b) noexcept {
    const auto dividende = static_cast<std::uint32_t>(a);
    const auto diviseur = static_cast<std::uint32_t>(b);
    std::uint32_t q = dividende / diviseur;
    const std::uint32_t r = dividende - q * diviseur;
    // r against b - r: 2r compared with b, without overflow.
    if (r > diviseur - r || (r == diviseur - r && (q & 1u) != 0)) ++q;
    return static_cast<std::int32_t>(q);
}

// The immediate choice: the first value when the test holds, else the second.
template <typename T>
inline T SiImmediat(Booleen test, T siVrai, T siFaux) {
    return test ? siVrai : siFaux;
}

}  // namespace Runtime
