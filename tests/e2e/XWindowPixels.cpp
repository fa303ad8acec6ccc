#include "XWindowPixels.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>

namespace testing_support {

bool XServerAnswers(const std::string& display) {
  Display* x = XOpenDisplay(display.c_str());
  if (x) XCloseDisplay(x);
  return x != nullptr;
}

platform::Bitmap WindowPixels(const std::string& display, unsigned long window) {
  platform::Bitmap picture;
  Display* x = XOpenDisplay(display.c_str());
  if (!x) return picture;
  XWindowAttributes attributes{};
  XImage* image = nullptr;
  if (XGetWindowAttributes(x, window, &attributes)) {
    image = XGetImage(x, window, 0, 0, attributes.width, attributes.height, AllPlanes, ZPixmap);
  }
  if (image) {
    picture.SetSize(attributes.width, attributes.height);
    for (int y = 0; y < attributes.height; ++y) {
      uint32_t* row = picture.Row(y);
      for (int px = 0; px < attributes.width; ++px) {
        row[px] = static_cast<uint32_t>(XGetPixel(image, px, y)) & 0x00FFFFFF;
      }
    }
    XDestroyImage(image);
  }
  XCloseDisplay(x);
  return picture;
}

}  // namespace testing_support
