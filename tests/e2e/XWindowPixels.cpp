#include "XWindowPixels.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>

namespace testing_support {
namespace {

// Xlib's own handler ends the program on any error; a window that has just closed, or reaches
// past the screen's edge, only makes the request fail.
int IgnoreError(Display*, XErrorEvent*) { return 0; }

}  // namespace

bool XServerAnswers(const std::string& display) {
  Display* x = XOpenDisplay(display.c_str());
  if (x) XCloseDisplay(x);
  return x != nullptr;
}

platform::Bitmap WindowPixels(const std::string& display, unsigned long window) {
  platform::Bitmap picture;
  Display* x = XOpenDisplay(display.c_str());
  if (!x) return picture;
  XSetErrorHandler(IgnoreError);
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

bool PressCloseButton(const std::string& display, unsigned long window) {
  Display* x = XOpenDisplay(display.c_str());
  if (!x) return false;
  XSetErrorHandler(IgnoreError);
  XEvent event{};
  event.xclient.type = ClientMessage;
  event.xclient.window = window;
  event.xclient.message_type = XInternAtom(x, "WM_PROTOCOLS", False);
  event.xclient.format = 32;
  event.xclient.data.l[0] = static_cast<long>(XInternAtom(x, "WM_DELETE_WINDOW", False));
  event.xclient.data.l[1] = CurrentTime;
  const bool sent = XSendEvent(x, window, False, NoEventMask, &event) != 0;
  XFlush(x);
  XCloseDisplay(x);
  return sent;
}

bool SamePixels(const platform::Bitmap& a, const platform::Bitmap& b, int left, int top, int width,
                int height) {
  for (int y = top; y < top + height; ++y)
    for (int x = left; x < left + width; ++x)
      if (a.Pixel(x, y) != b.Pixel(x, y)) return false;
  return true;
}

}  // namespace testing_support
