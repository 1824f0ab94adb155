// The controls of the main window, by their design names. The builders of
// each area fill in their part; Form1 owns the widgets through Qt's parents.
#pragma once
#include <array>

class QGroupBox;
class QLabel;
class QProgressBar;
class QScrollBar;
class QSlider;
class QStatusBar;
class QToolButton;
class QWidget;

namespace pixmora::app {

class PictureBox;
class PreviewBox;
class WorkArea;

struct Form1Controls {
  // Side panel.
  PictureBox* Picture3 = nullptr;
  QGroupBox* Frame1 = nullptr;
  std::array<QScrollBar*, 6> HS1{};  // colour 1 red, green, blue; colour 2 red, green, blue
  std::array<QLabel*, 6> Label4{};   // their values, "000"
  std::array<QLabel*, 2> Label6{};   // the two colour swatches
  QScrollBar* HScroll1 = nullptr;    // strength
  QLabel* Label3 = nullptr;
  QScrollBar* HScroll2 = nullptr;    // size
  QLabel* Label9 = nullptr;
  QGroupBox* Frame3 = nullptr;
  QSlider* Slider1 = nullptr;
  QGroupBox* Frame2 = nullptr;
  PreviewBox* picture1 = nullptr;    // the pattern

  // Work area.
  WorkArea* Picture5 = nullptr;
  PreviewBox* Image2 = nullptr;      // image A
  PreviewBox* Image3 = nullptr;      // image B
  PreviewBox* Image1 = nullptr;      // the result
  PreviewBox* Picture4 = nullptr;    // the shape
  QLabel* Label10 = nullptr;
  QLabel* Label11 = nullptr;
  QLabel* Label12 = nullptr;
  QLabel* Label14 = nullptr;
  QLabel* Label1 = nullptr;          // the busy label

  // Tool bar and status bar.
  std::array<QToolButton*, 7> Image5{};
  QStatusBar* StatusBar1 = nullptr;
  std::array<QWidget*, 3> panels{};  // panels 1, 2, 3 of the status bar
  QProgressBar* ProgressBar3 = nullptr;
};

}  // namespace pixmora::app
