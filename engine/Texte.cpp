#include "Texte.h"

#include <charconv>
#include <optional>
#include <system_error>

namespace Runtime {
namespace {

bool EstBlanc(char c) {
    return c == ' ' || c == '\t';
}
bool EstChiffre(char c) {
    return c >= '0' && c <= '9';
}

std::string_view SansBlancs(std::string_view t) {
    while (!t.empty() && EstBlanc(t.front()))
        t.remove_prefix(1);
    while (!t.empty() && EstBlanc(t.back()))
        t.remove_suffix(1);
    return t;
}

// The value of a text written as a number, or nothing. A value too large for a
// double is no number; one too small for it is 0.
std::optional<double> Lis(std::string_view texte) {
    const std::string_view t = SansBlancs(texte);
    std::size_t i = 0;
    const bool negatif = i < t.size() && t[i] == '-';
    if (i < t.size() && (t[i] == '+' || t[i] == '-')) ++i;
    const std::size_t debutNombre = i;

    // Mantissa: digits, an optional point, digits; one digit at least.
    std::int64_t chiffres = 0;
    std::int64_t ordre = 0;  // decimal order of magnitude of the first significant digit
    bool significatif = false;
    for (; i < t.size() && EstChiffre(t[i]); ++i, ++chiffres) {
        if (t[i] != '0' && !significatif) {
            significatif = true;
            ordre = 0;
        }
        if (significatif) ++ordre;
    }
    if (i < t.size() && t[i] == '.') {
        ++i;
        for (std::int64_t place = 0; i < t.size() && EstChiffre(t[i]); ++i, ++chiffres, ++place) {
            if (t[i] != '0' && !significatif) {
                significatif = true;
                ordre = -place;
            }
        }
    }
    if (chiffres == 0) return std::nullopt;

    // Exponent: e or E, an optional sign, one digit at least.
    std::int64_t exposant = 0;
    if (i < t.size() && (t[i] == 'e' || t[i] == 'E')) {
        ++i;
        const bool expNegatif = i < t.size() && t[i] == '-';
        if (i < t.size() && (t[i] == '+' || t[i] == '-')) ++i;
        const std::size_t debutExposant = i;
        for (; i < t.size() && EstChiffre(t[i]); ++i) {
            if (exposant < 100000) exposant = exposant * 10 + (t[i] - '0');
        }
        if (i == debutExposant) return std::nullopt;
        if (expNegatif) exposant = -exposant;
    }
    if (i != t.size()) return std::nullopt;
    if (!significatif) return negatif ? -0.0 : 0.0;

    double valeur = 0;
    const char* debut = t.data() + debutNombre;
    const auto [fin, erreur] = std::from_chars(debut, t.data() + t.size(), valeur);
    if (erreur == std::errc::result_out_of_range) {
        if (ordre + exposant > 0) return std::nullopt;  // beyond the largest double
        return negatif ? -0.0 : 0.0;
    }
    if (erreur != std::errc() || fin != t.data() + t.size()) return std::nullopt;
    return negatif ? -valeur : valeur;
}

}  // namespace

std::string VersTexte(std::int32_t n) {
    return std::to_string(n);
}

Booleen EstNumerique(std::string_view texte) {
    return VersBooleen(Lis(texte).has_value());
}

double VersDouble(std::string_view texte) {
    const std::optional<double> valeur = Lis(texte);
    if (!valeur) {
        Leve(Erreur::TypeIncompatible);
        return 0;
    }
    return *valeur;
}

std::int16_t VersEntier16(std::string_view texte) {
    const double valeur = VersDouble(texte);
    if (EnErreur()) return 0;
    return VersEntier16(valeur);
}

}  // namespace Runtime
