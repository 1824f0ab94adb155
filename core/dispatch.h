// The five menu handlers and PublishResult: prepare the result surface, fill
// the planes from image A, run the catalogue's routine, publish the result.
#pragma once
#include <cstdint>

#include "core/catalogue/catalogue.h"

namespace pixmora {

// The handler sequence shared by every operation menu.
void RunMenuCommand(Workspace& ws, Menu menu, int16_t index);
// The same sequence up to, not including, PublishResult: prepare Pic4, fill the
// planes from image A, run the entry's routine.
void RunMenuRoutine(Workspace& ws, Menu menu, int16_t index);

void mnuCol_Click(Workspace& ws, int16_t index);
void mnuMix_Click(Workspace& ws, int16_t index);
void mnuFil_Click(Workspace& ws, int16_t index);
void mnuSFil_Click(Workspace& ws, int16_t index);
void mnuEff_Click(Workspace& ws, int16_t index);

inline constexpr const char* kResultFile = "ps.bmp";

// Snapshots Pic4 into imma, saves it as "ps.bmp" in the data folder and shows
// it again from there (Pic4 at full size, Image1 fitted). When the file cannot
// be written the result stays as computed, in Pic4 and Image1, and the
// failure is reported instead of leaving an empty result.
void PublishResult(Workspace& ws);

}  // namespace pixmora
