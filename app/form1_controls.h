// The controls of the main window, by their design names. The builders of
// each area fill in their part; Form1 owns the widgets through Qt's parents.
#pragma once
#include <array>

class QGroupBox;
class QLabel;
class QProgressBar;
class QPushButton;
class QScrollBar;
class QSlider;
class QStatusBar;
class QToolButton;
class QWidget;

namespace pixmora::windows {
class PictureView;
}

namespace pixmora::app {

class ColourSwatch;
class PictureBox;
class PreviewBox;
class ValueField;
class WorkArea;

struct Form1Controls {
  // Side panel. The names are the design's; the language and configuration
  // files and the tests know the controls by them.
  PictureBox* Picture3 = nullptr;    // the side panel itself
  QGroupBox* Frame1 = nullptr;       // the group of colour, strength and size controls
  std::array<QScrollBar*, 6> HS1{};  // colour 1 red, green, blue; colour 2 red, green, blue
  std::array<ValueField*, 6> Label4{};    // their values, "000", editable
  std::array<ColourSwatch*, 2> Label6{};  // the two colour swatches; a click opens the colour dialog
  QScrollBar* HScroll1 = nullptr;    // strength ("Transparency"), 1..10
  ValueField* Label3 = nullptr;      // the strength as "0.0", editable
  QScrollBar* HScroll2 = nullptr;    // size ("Scale"), 1..10
  ValueField* Label9 = nullptr;      // the size as "00%", editable
  QGroupBox* Frame3 = nullptr;       // holds the rotation slider
  QSlider* Slider1 = nullptr;        // turns image A by 45-degree steps into the result
  QLabel* sliderAngle = nullptr;     // the slider's angle, in degrees
  QGroupBox* Frame2 = nullptr;       // holds the pattern's preview
  PreviewBox* picture1 = nullptr;    // the pattern's preview; a click opens a pattern

  // Work area: the four previews in a 2 x 2 grid, or one picture large.
  WorkArea* Picture5 = nullptr;      // the work area
  PreviewBox* Image2 = nullptr;      // image A's preview; a click opens image A
  PreviewBox* Image3 = nullptr;      // image B's preview; a click opens image B
  PreviewBox* Image1 = nullptr;      // the result's preview; a click saves the result
  PreviewBox* Picture4 = nullptr;    // the shape's preview; a click chooses a shape
  QLabel* Label10 = nullptr;         // caption "Image (A)"
  QLabel* Label11 = nullptr;         // caption "Image (B)"
  QLabel* Label12 = nullptr;         // caption "Processed Image"
  QLabel* Label14 = nullptr;         // caption "Shape"
  QLabel* Label1 = nullptr;          // the busy label, shown while a command runs
  windows::PictureView* largeView = nullptr;  // one picture over the whole work area

  // Tool bar and status bar.
  std::array<QToolButton*, 7> Image5{};  // 0..4 show a picture in the preview window; 5, 6 hand the result on
  QStatusBar* StatusBar1 = nullptr;
  // Panels 1 (progress), 2 (texture folder), 3 (notices), 4 (the picture under the pointer).
  std::array<QWidget*, 4> panels{};
  QProgressBar* ProgressBar3 = nullptr;  // the command's progress, in panel 1
  QPushButton* cancelButton = nullptr;   // ends an open or a save; shown while one runs
  QToolButton* noticesButton = nullptr;  // lists the last notices, beside panel 3
};

}  // namespace pixmora::app
