#include "Hasard.h"

#include <bit>
#include <chrono>
#include <ctime>
#include <utility>

namespace Runtime {
namespace {

std::uint64_t Melange(std::uint64_t z) {
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

float HeureReelle() {
    using namespace std::chrono;
    const auto maintenant = system_clock::now();
    const std::time_t t = system_clock::to_time_t(maintenant);
    std::tm local{};
    localtime_r(&t, &local);
    const auto fraction = duration<double>(maintenant - system_clock::from_time_t(t)).count();
    const double secondes = local.tm_hour * 3600.0 + local.tm_min * 60.0 + local.tm_sec + fraction;
    return static_cast<float>(secondes);
}

Horloge& HorlogeCourante() {
    static Horloge horloge = HeureReelle;
    return horloge;
}

std::unique_ptr<SourceAleatoire>& SourceCourante() {
    static std::unique_ptr<SourceAleatoire> source = std::make_unique<SourceParDefaut>();
    return source;
}

}  // namespace

void SourceParDefaut::Reinitialise(float graine) {
    etat_ = Melange(etat_ ^ (std::bit_cast<std::uint32_t>(graine) + 0x9E3779B97F4A7C15ull));
}

float SourceParDefaut::Suivant() {
    etat_ += 0x9E3779B97F4A7C15ull;
    // 24 bits: every value is exact in single precision and below 1.
    return static_cast<float>(Melange(etat_) >> 40) * 0x1p-24f;
}

float HeureDuJour() {
    return HorlogeCourante()();
}
void Reinitialise(float graine) {
    SourceCourante()->Reinitialise(graine);
}
float Aleatoire() {
    return SourceCourante()->Suivant();
}

Horloge RemplaceHorloge(Horloge horloge) {
    return std::exchange(HorlogeCourante(), std::move(horloge));
}

std::unique_ptr<SourceAleatoire> RemplaceSource(std::unique_ptr<SourceAleatoire> source) {
    return std::exchange(SourceCourante(), std::move(source));
}

}  // namespace Runtime
