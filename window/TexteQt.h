// Texts cross between the program (UTF-8, lines broken by CR LF) and Qt.
#pragma once

#include <QString>
#include <string>
#include <string_view>

// The text as a widget shows it: a CR LF pair is one line break.
QString TexteAffiche(std::string_view texte);

// A widget's text as the program reads it.
std::string TexteProgramme(const QString& texte);
