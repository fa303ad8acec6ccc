#include "XWindowPicture.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>

namespace testing_support {

platform::Bitmap XWindowPicture(const std::string& displayName, unsigned long window) {
  Display* display = XOpenDisplay(displayName.c_str());
  if (!display) return platform::Bitmap();
  XWindowAttributes attributes{};
  platform::Bitmap picture;
  if (XGetWindowAttributes(display, window, &attributes)) {
    if (XImage* image = XGetImage(display, window, 0, 0, attributes.width, attributes.height,
                                  AllPlanes, ZPixmap)) {
      picture = platform::Bitmap(attributes.width, attributes.height);
      for (int y = 0; y < attributes.height; ++y)
        for (int x = 0; x < attributes.width; ++x)
          picture.Row(y)[x] = static_cast<uint32_t>(XGetPixel(image, x, y)) & 0xFFFFFFu;
      XDestroyImage(image);
    }
  }
  XCloseDisplay(display);
  return picture;
}

}  // namespace testing_support
