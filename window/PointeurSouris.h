// The mouse pointer of a window. It is kept until set again and shows over
// every control, so that a long search is seen as one.
#pragma once

#include <cstdint>

class PointeurSouris {
  public:
    static constexpr std::int16_t Defaut = 0;
    static constexpr std::int16_t Sablier = 11;

    PointeurSouris() = default;
    PointeurSouris(const PointeurSouris&) = delete;
    PointeurSouris& operator=(const PointeurSouris&) = delete;
    ~PointeurSouris();

    // Defaut or Sablier; any other value is a run-time error.
    void Fixe(std::int16_t valeur);
    std::int16_t Valeur() const { return valeur_; }

  private:
    std::int16_t valeur_ = Defaut;
};
