#include <string>

#include "FrmMain.h"
#include "Module1.h"
#include "Texte.h"

// Writes the chain that a successful search left in the work table into LblInfo.
//
// The search works back from the target, so the last step is the innermost
// operation: the chain starts from its number and each earlier step is
// appended to the right. A product or quotient from level 3 on wraps all that
// came before in parentheses, so the chain reads the same with or without
// precedence.
void FrmMain::AfficheResultat() {
    using Module1::Etapes;
    using Module1::NumEtape;

    LblInfo.Caption("Tavelune :\r\n");

    std::string expression;
    const std::int16_t niveaux = Runtime::VersEntier16(Runtime::Soustrait(NumEtape, 1));
    for (std::int16_t niveau = 1; niveau <= niveaux;
         niveau = Runtime::Ajoute<std::int16_t>(niveau, 1)) {
        for (std::int16_t k = 1; k <= 6; ++k) {
            // Every entry holding the step is shown, not only the first.
            if (Etapes[k].Ordre != Runtime::Soustrait<std::int32_t>(NumEtape, niveau)) continue;
            const std::string& operation = Etapes[k].Operation;
            const std::string nombre = Runtime::VersTexte(Etapes[k].Valeur);
            if (niveau == 1) {
                expression = nombre;
            } else if (operation != "*" && operation != "/") {
                expression += operation + nombre;
            } else {
                const std::string symbole = Runtime::SiImmediat<std::string>(
                    Runtime::VersBooleen(operation == "*"), "x", operation);
                if (niveau == 2)
                    expression += symbole + nombre;
                else
                    expression = "(" + expression + ")" + symbole + nombre;
            }
        }
    }

    LblInfo.Caption(LblInfo.Caption() + expression + "\r\n\r\n" +
                    "S'il y a plus simple, vous l'avez trouvé vous-même ...");
}
