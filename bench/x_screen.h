// A second connection to the X server the window is shown on, as a user's
// hand and eye: it moves the pointer and clicks through XTest, the same
// events a mouse gives, and reads back what the server shows in a rectangle.
#pragma once
#include <cstdint>
#include <vector>

struct _XDisplay;

namespace pixmora::bench {

struct ScreenRect {
  int x = 0, y = 0, width = 0, height = 0;
};

class XScreen {
 public:
  // Opens the display named by DISPLAY; Ok() says whether it could.
  XScreen();
  ~XScreen();
  XScreen(const XScreen&) = delete;
  XScreen& operator=(const XScreen&) = delete;

  bool Ok() const { return display_ != nullptr; }
  void MoveTo(int x, int y);
  // Presses and releases the first button where the pointer is, and sends
  // both at once.
  void Click();
  // The pixels the server shows in that rectangle of the root window.
  std::vector<uint32_t> Grab(const ScreenRect& rect);

 private:
  _XDisplay* display_ = nullptr;
};

}  // namespace pixmora::bench
