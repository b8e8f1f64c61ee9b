// The few calls the program makes to the desktop outside its window runtime:
// the system's hand pointer, and the default browser. Every argument is one
// 32-bit quantity passed by value: handles and ids as integers, absent texts
// as null pointers, texts as single-byte strings.
#pragma once

#include <QUrl>
#include <cstdint>
#include <functional>

namespace user32 {

// Id of the system's hand cursor.
inline constexpr std::int32_t CurseurMain = 32649;

// A handle to a system cursor, from instance 0 and the cursor's id. Only the
// hand is known here: anything else gives the null handle.
std::int32_t LoadCursorA(std::int32_t Instance, std::int32_t IdCurseur);

// Makes the cursor current over the control under the mouse, until the mouse
// is over another control: that one, and the rest of the window, keep their
// own pointers. The null handle changes nothing. Returns the handle of what
// the control showed before, 0 for any other pointer.
std::int32_t SetCursor(std::int32_t Curseur);

}  // namespace user32

namespace shell32 {

// What ShellExecuteA returns: more than 32 when the shell took the request,
// otherwise why not.
inline constexpr std::int32_t FichierIntrouvable = 2;
inline constexpr std::int32_t AucuneAssociation = 31;

// Show command: a normal window.
inline constexpr std::int32_t AffichageNormal = 1;

// With no verb, opens the address in the desktop's default
// browser. The owner window, parameters, directory and show command mean
// nothing to a browser and are not used.
std::int32_t ShellExecuteA(std::int32_t Fenetre, const char* Operation, const char* Fichier,
                           const char* Parametres, const char* Repertoire, std::int32_t Affichage);

// What the shell does with an address: by default it hands it to
// QDesktopServices::openUrl and says whether anything could open it. Tests put
// their own in its place. Returns the previous one.
using OuvreurAdresses = std::function<bool(const QUrl&)>;
OuvreurAdresses RemplaceOuvreur(OuvreurAdresses ouvreur);

}  // namespace shell32
