// Message boxes: modal, with OK alone, bearing the program's title.
#pragma once

#include <cstdint>
#include <string_view>

// Styles: the icon the box shows.
inline constexpr std::int16_t Critique = 16;
inline constexpr std::int16_t Information = 64;

// Shows the prompt and returns once the user has closed the box.
void MsgBox(std::string_view Prompt, std::int16_t Buttons);

// A run-time error that reaches no handler is shown in a critical box before
// the program ends.
void InstalleBoiteErreur();
