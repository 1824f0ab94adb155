// The tool bar Image5(0..6): seven icon buttons whose commands other parts
// of the window set.
#pragma once
#include <functional>

#include "app/form1_controls.h"

class QMainWindow;

namespace pixmora::app {

void BuildToolBar(QMainWindow& window, Form1Controls& c, const std::function<void(int)>& clicked);

}  // namespace pixmora::app
