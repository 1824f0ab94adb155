// StatusBar1: panel 1 holds the progress bar ProgressBar3, with the Cancel
// button of a file job beside it; panel 2 names the texture folder, panel 3
// carries one-line notices (the Notices button beside it lists the last ones)
// and panel 4 the picture under the pointer.
#pragma once
#include <QString>

#include "app/form1_controls.h"

class QMainWindow;

namespace pixmora::app {

// The panel of the one-line notices: what a command could not do, when it
// ended without a dialog.
inline constexpr int kNoticePanel = 3;
// The panel that names the pixel under the pointer in a large view.
inline constexpr int kPointerPanel = 4;

void BuildStatusBar(QMainWindow& window, Form1Controls& c);

// Puts the bar into panel panelIndex (from 1) of the status bar: the panel
// becomes 15 pixels wider than the bar, and the bar sits centred in it at 0.
void PutProgressInStatusBar(QProgressBar* bar, const Form1Controls& c, int panelIndex);

void SetStatusPanelText(const Form1Controls& c, int panelIndex, const QString& text);

}  // namespace pixmora::app
