#include "Programme.h"

#include <cstdio>
#include <cstdlib>
#include <utility>

namespace {

// Leaving through _Exit runs nothing more: no pending event reaches a handler.
void FinParDefaut() {
    std::fflush(nullptr);
    std::_Exit(EXIT_SUCCESS);
}

FinProgramme& Fin() {
    static FinProgramme fin = FinParDefaut;
    return fin;
}

}  // namespace

void Unload(QWidget& fenetre) {
    fenetre.close();
}

void End() {
    Fin()();
}

FinProgramme RemplaceFinProgramme(FinProgramme fin) {
    return std::exchange(Fin(), std::move(fin));
}
