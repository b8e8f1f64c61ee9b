// Helpers shared by the engine's tests.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "Hasard.h"
#include "Module1.h"

namespace TestJeu {

// Puts a game in the state and loads the work table, as a solve request does.
inline void Charge(std::int16_t cible, const std::array<std::int16_t, 6>& nombres) {
    for (std::int32_t i = 0; i < 6; ++i)
        Module1::Tirage[i] = nombres[static_cast<std::size_t>(i)];
    Module1::NombreATrouver = cible;
    Module1::InitEtapes(Module1::NombreATrouver);
}

// A whole request: the direct hit, else the search.
inline Runtime::Booleen Resout(std::int16_t cible, const std::array<std::int16_t, 6>& nombres) {
    Charge(cible, nombres);
    if (Module1::EstDansTirage(Module1::NombreATrouver)) return Runtime::Vrai;
    return Module1::Recherche(Module1::NumEtape);
}

// The whole game state, as text: equal texts, equal states.
inline std::string EtatJeu() {
    using namespace Module1;
    std::string e = std::to_string(NombreATrouver) + " " + std::to_string(NumEtape);
    for (std::int32_t i = 0; i <= 5; ++i)
        e += " " + std::to_string(Tirage[i]) + "/" + std::to_string(IndexTirage[i]);
    for (std::int32_t k = 0; k <= 6; ++k)
        e += " " + std::to_string(Etapes[k].Valeur) + Etapes[k].Operation +
             std::to_string(Etapes[k].Ordre);
    return e;
}

// Runs f under an error handler and gives back the error it raised.
template <typename F>
Runtime::Erreur SousGestionnaire(F&& f) {
    Runtime::GestionnaireErreurs gestion;
    f();
    const Runtime::Erreur e = Runtime::ErreurEnCours();
    gestion.Efface();
    return e;
}

// A random source that gives the listed values in turn, over and over, and
// counts what is asked of it.
class SourceScriptee final : public Runtime::SourceAleatoire {
  public:
    explicit SourceScriptee(std::vector<float> valeurs) : valeurs_(std::move(valeurs)) {}
    void Reinitialise(float) override { ++reinitialisations; }
    float Suivant() override {
        return valeurs_[static_cast<std::size_t>(tirages++) % valeurs_.size()];
    }

    std::int64_t tirages = 0;
    std::int64_t reinitialisations = 0;

  private:
    std::vector<float> valeurs_;
};

// Installs a source for the lifetime of the object, then puts the old one back.
template <typename Source = SourceScriptee>
class AvecSource {
  public:
    template <typename... Args>
    explicit AvecSource(Args&&... args) {
        auto nouvelle = std::make_unique<Source>(std::forward<Args>(args)...);
        source_ = nouvelle.get();
        precedente_ = Runtime::RemplaceSource(std::move(nouvelle));
    }
    ~AvecSource() { Runtime::RemplaceSource(std::move(precedente_)); }
    AvecSource(const AvecSource&) = delete;
    AvecSource& operator=(const AvecSource&) = delete;

    Source& operator*() const { return *source_; }
    Source* operator->() const { return source_; }

  private:
    Source* source_;
    std::unique_ptr<Runtime::SourceAleatoire> precedente_;
};

// Installs a clock for the lifetime of the object.
class AvecHorloge {
  public:
    explicit AvecHorloge(Runtime::Horloge horloge)
        : precedente_(Runtime::RemplaceHorloge(std::move(horloge))) {}
    ~AvecHorloge() { Runtime::RemplaceHorloge(std::move(precedente_)); }
    AvecHorloge(const AvecHorloge&) = delete;
    AvecHorloge& operator=(const AvecHorloge&) = delete;

  private:
    Runtime::Horloge precedente_;
};

// The value r that draws the target t, or the tile of check-box index p.
inline float RPourCible(int t) {
    return (static_cast<float>(t - 100) + 0.5f) / 899.0f;
}
inline float RPourPlaque(int p) {
    return (static_cast<float>(p - 1) + 0.5f) / 24.0f;
}

// Draws that give, attempt after attempt, 983 with 1, 1, 2, 2, 3, 3: no chain.
inline std::vector<float> PartieInsoluble() {
    return {RPourCible(983), RPourPlaque(1), RPourPlaque(15), RPourPlaque(2),
            RPourPlaque(16), RPourPlaque(3), RPourPlaque(17)};
}

}  // namespace TestJeu
