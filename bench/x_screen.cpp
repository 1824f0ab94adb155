#include "bench/x_screen.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>


namespace pixmora::bench {

XScreen::XScreen() : display_(XOpenDisplay(nullptr)) {}

XScreen::~XScreen() {
  if (display_) XCloseDisplay(display_);
}

void XScreen::MoveTo(int x, int y) {
  XTestFakeMotionEvent(display_, -1, x, y, CurrentTime);
  XSync(display_, False);
}

void XScreen::Click() {
  XTestFakeButtonEvent(display_, 1, True, CurrentTime);
  XTestFakeButtonEvent(display_, 1, False, CurrentTime);
  XFlush(display_);
}

std::vector<uint32_t> XScreen::Grab(const ScreenRect& rect) {
  std::vector<uint32_t> pixels;
  XImage* image = XGetImage(display_, DefaultRootWindow(display_), rect.x, rect.y, rect.width,
                            rect.height, AllPlanes, ZPixmap);
  if (!image) return pixels;
  pixels.resize(size_t(rect.width) * rect.height);
  for (int y = 0; y < rect.height; ++y)
    for (int x = 0; x < rect.width; ++x) pixels[size_t(y) * rect.width + x] = XGetPixel(image, x, y);
  XDestroyImage(image);
  return pixels;
}

}  // namespace pixmora::bench
