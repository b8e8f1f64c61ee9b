// The time of day and the random generator.
//
// Both can be replaced, so that a test can set the clock reading and choose
// each value r that a draw gives.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>

namespace Runtime {

// Seconds since midnight, with a fraction, in single precision.
float HeureDuJour();

// Reseeds the generator from a number; callers pass the time of day.
void Reinitialise(float graine);

// The next value r of the generator, spread evenly over 0 <= r < 1.
float Aleatoire();

// A source of random values. Reseeding stirs the seed into the current state
// rather than restarting from it: the callers reseed before every draw, often
// with the same clock reading, and the draws must keep varying all the same.
class SourceAleatoire {
  public:
    virtual ~SourceAleatoire() = default;
    virtual void Reinitialise(float graine) = 0;
    virtual float Suivant() = 0;
};

// The program's own source: a 64-bit state, SplitMix64 steps, 24-bit values.
class SourceParDefaut final : public SourceAleatoire {
  public:
    explicit SourceParDefaut(std::uint64_t etat = 0x0123456789ABCDEFull) : etat_(etat) {}
    void Reinitialise(float graine) override;
    float Suivant() override;

  private:
    std::uint64_t etat_;
};

using Horloge = std::function<float()>;

// Replacements for tests; each returns what it replaced.
Horloge RemplaceHorloge(Horloge horloge);
std::unique_ptr<SourceAleatoire> RemplaceSource(std::unique_ptr<SourceAleatoire> source);

}  // namespace Runtime
