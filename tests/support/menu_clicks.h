// The five menu groups' click handlers, as the tests name the commands they
// drive: each runs the handler sequence with the entry's index.
#pragma once
#include <cstdint>

#include "session/dispatch.h"

namespace pixmora {

inline void mnuCol_Click(Workspace& ws, int16_t index) { RunMenuCommand(ws, Menu::Color, index); }
inline void mnuMix_Click(Workspace& ws, int16_t index) { RunMenuCommand(ws, Menu::Mix, index); }
inline void mnuFil_Click(Workspace& ws, int16_t index) { RunMenuCommand(ws, Menu::Filters, index); }
inline void mnuSFil_Click(Workspace& ws, int16_t index) { RunMenuCommand(ws, Menu::Special, index); }
inline void mnuEff_Click(Workspace& ws, int16_t index) { RunMenuCommand(ws, Menu::Effects, index); }

}  // namespace pixmora
