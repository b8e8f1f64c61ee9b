#include "Programme.h"

#include <xcb/xcb.h>

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>
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

bool PrefereX() {
    if (!qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") || qEnvironmentVariableIsEmpty("DISPLAY"))
        return false;
    // A display named but out of reach would stop Qt's X platform dead.
    xcb_connection_t* x = xcb_connect(nullptr, nullptr);
    const bool joignable = xcb_connection_has_error(x) == 0;
    xcb_disconnect(x);
    if (joignable) qputenv("QT_QPA_PLATFORM", "xcb");
    return joignable;
}

bool TraduitTextesQt() {
    static QTranslator traduction;
    static const bool installee =
        traduction.load("qtbase_fr", QLibraryInfo::path(QLibraryInfo::TranslationsPath)) &&
        QCoreApplication::installTranslator(&traduction);
    return installee;
}

void Unload(QWidget& fenetre) {
    fenetre.close();
}

void End() {
    Fin()();
}

FinProgramme RemplaceFinProgramme(FinProgramme fin) {
    return std::exchange(Fin(), std::move(fin));
}
