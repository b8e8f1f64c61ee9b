#include "TexteQt.h"

QString TexteAffiche(std::string_view texte) {
    QString affiche = QString::fromUtf8(texte.data(), static_cast<qsizetype>(texte.size()));
    affiche.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return affiche;
}

std::string TexteProgramme(const QString& texte) {
    return texte.toStdString();
}
