#include "BoiteMessage.h"

#include <QApplication>
#include <QMessageBox>
#include <cstdio>
#include <string>

#include "Erreurs.h"
#include "Programme.h"
#include "Texte.h"
#include "TexteQt.h"

namespace {

QMessageBox::Icon Icone(std::int16_t style) {
    switch (style) {
        case Critique:
            return QMessageBox::Critical;
        case Information:
            return QMessageBox::Information;
        default:
            return QMessageBox::NoIcon;
    }
}

}  // namespace

void MsgBox(std::string_view Prompt, std::int16_t Buttons) {
    QMessageBox boite(Icone(Buttons), QString::fromUtf8(TitreProgramme), TexteAffiche(Prompt),
                      QMessageBox::Ok, QApplication::activeWindow());
    boite.setTextFormat(Qt::PlainText);
    boite.exec();
}

void InstalleBoiteErreur() {
    Runtime::RemplaceFinSurErreur([](Runtime::Erreur e) {
        const std::string message = "Erreur d'exécution " +
                                    Runtime::VersTexte(static_cast<std::int32_t>(e)) + " :\r\n" +
                                    Runtime::MessageErreur(e);
        if (!QApplication::instance()) {
            std::fprintf(stderr, "%s\n", message.c_str());
            return;
        }
        // A search may have left the hourglass: the box wants the usual pointer.
        while (QApplication::overrideCursor())
            QApplication::restoreOverrideCursor();
        MsgBox(message, Critique);
    });
}
