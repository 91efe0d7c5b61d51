// The X server seen through Xlib, and the player's hands through XTest.
#include "x11/x_desktop.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>

#include <cstring>

namespace kr::x11 {

namespace {

constexpr WindowId kNoWindow = 0L;

// The children of a window, bottom to top.
std::vector<Window> childrenOf(Display* d, Window w) {
  Window root = 0;
  Window parent = 0;
  Window* children = nullptr;
  unsigned int count = 0;
  std::vector<Window> out;
  if (XQueryTree(d, w, &root, &parent, &children, &count) == 0) return out;
  out.assign(children, children + count);
  if (children) XFree(children);
  return out;
}

Window parentOf(Display* d, Window w) {
  Window root = 0;
  Window parent = 0;
  Window* children = nullptr;
  unsigned int count = 0;
  if (XQueryTree(d, w, &root, &parent, &children, &count) == 0) return kNoWindow;
  if (children) XFree(children);
  return parent;
}

}  // namespace

struct Desktop::Connection {
  Display* display = nullptr;
  Window root = 0;
  Atom wmState = 0;
  Atom netWmName = 0;
  Atom utf8 = 0;
  Atom netSupportingCheck = 0;
  Atom netCloseWindow = 0;
  Atom netActiveWindow = 0;

  ~Connection() {
    if (display) XCloseDisplay(display);
  }

  bool hasProperty(Window w, Atom property) const {
    Atom type = 0;
    int format = 0;
    unsigned long items = 0;
    unsigned long after = 0;
    unsigned char* data = nullptr;
    const bool found = XGetWindowProperty(display, w, property, 0, 0, False, AnyPropertyType, &type,
                                          &format, &items, &after, &data) == Success &&
                       type != 0;
    if (data) XFree(data);
    return found;
  }

  // The program's own window inside a window manager's frame: the one that carries
  // WM_STATE. Without a window manager nothing carries it and the frame is the window.
  Window clientIn(Window outer) const {
    if (hasProperty(outer, wmState)) return outer;
    std::vector<Window> queue = childrenOf(display, outer);
    for (std::size_t i = 0; i < queue.size(); ++i) {
      if (hasProperty(queue[i], wmState)) return queue[i];
      for (Window c : childrenOf(display, queue[i])) queue.push_back(c);
    }
    return outer;
  }

  std::string title(Window w) const {
    Atom type = 0;
    int format = 0;
    unsigned long items = 0;
    unsigned long after = 0;
    unsigned char* data = nullptr;
    std::string out;
    if (XGetWindowProperty(display, w, netWmName, 0, 1024, False, utf8, &type, &format, &items,
                           &after, &data) == Success &&
        data && type == utf8) {
      out.assign(reinterpret_cast<const char*>(data), items);
    } else {
      char* name = nullptr;
      if (XFetchName(display, w, &name) && name) {
        out = name;
        XFree(name);
      }
    }
    if (data) XFree(data);
    return out;
  }

  // The class of WM_CLASS, which desktops match with a menu entry's StartupWMClass.
  std::string windowClass(Window w) const {
    XClassHint hint{};
    std::string out;
    if (XGetClassHint(display, w, &hint)) {
      if (hint.res_class) out = hint.res_class;
      if (hint.res_name) XFree(hint.res_name);
      if (hint.res_class) XFree(hint.res_class);
    }
    return out;
  }

  bool takesFocus(Window w) const {
    XWMHints* hints = XGetWMHints(display, w);
    bool takes = true;
    if (hints && (hints->flags & InputHint)) takes = hints->input != 0;
    if (hints) XFree(hints);
    return takes;
  }
};

Desktop::Desktop(std::unique_ptr<Connection> c) : c_(std::move(c)) {}
Desktop::~Desktop() = default;

std::unique_ptr<Desktop> Desktop::connect(const std::string& display) {
  auto c = std::make_unique<Connection>();
  c->display = XOpenDisplay(display.c_str());
  if (!c->display) return nullptr;
  int event = 0;
  int error = 0;
  int major = 0;
  int minor = 0;
  if (!XTestQueryExtension(c->display, &event, &error, &major, &minor)) return nullptr;
  c->root = DefaultRootWindow(c->display);
  c->wmState = XInternAtom(c->display, "WM_STATE", False);
  c->netWmName = XInternAtom(c->display, "_NET_WM_NAME", False);
  c->utf8 = XInternAtom(c->display, "UTF8_STRING", False);
  c->netSupportingCheck = XInternAtom(c->display, "_NET_SUPPORTING_WM_CHECK", False);
  c->netCloseWindow = XInternAtom(c->display, "_NET_CLOSE_WINDOW", False);
  c->netActiveWindow = XInternAtom(c->display, "_NET_ACTIVE_WINDOW", False);
  const Screen* screen = DefaultScreenOfDisplay(c->display);
  const QRect whole(0, 0, screen->width, screen->height);
  auto desktop = std::unique_ptr<Desktop>(new Desktop(std::move(c)));
  desktop->area_ = whole;
  return desktop;
}

std::vector<TopWindow> Desktop::stacking() {
  Display* d = c_->display;
  XGrabServer(d);  // one consistent picture of the tree
  std::vector<TopWindow> out;
  for (Window outer : childrenOf(d, c_->root)) {
    XWindowAttributes a;
    if (!XGetWindowAttributes(d, outer, &a) || a.map_state != IsViewable || a.override_redirect)
      continue;
    TopWindow t;
    t.outer = outer;
    t.id = c_->clientIn(outer);
    XWindowAttributes own;
    if (!XGetWindowAttributes(d, t.id, &own)) continue;
    int x = 0;
    int y = 0;
    Window child = 0;
    XTranslateCoordinates(d, t.id, c_->root, 0, 0, &x, &y, &child);
    t.rect = QRect(x, y, own.width, own.height);
    t.title = c_->title(t.id);
    t.takesFocus = c_->takesFocus(t.id);
    t.windowClass = c_->windowClass(t.id);
    out.push_back(t);
  }
  XUngrabServer(d);
  XSync(d, False);
  return out;
}

WindowId Desktop::focus() {
  Display* d = c_->display;
  Window w = 0;
  int revert = 0;
  XGetInputFocus(d, &w, &revert);
  if (w == kNoWindow || w == PointerRoot || w == c_->root) return kNoWindow;
  // Up to the top-level window, then to the program's window inside a frame.
  for (Window parent = parentOf(d, w); parent != kNoWindow && parent != c_->root;
       parent = parentOf(d, w))
    w = parent;
  return c_->clientIn(w);
}

bool Desktop::windowManagerRunning() { return c_->hasProperty(c_->root, c_->netSupportingCheck); }

void Desktop::movePointer(QPoint at) {
  const QPoint onScreen = at + area_.topLeft();
  XTestFakeMotionEvent(c_->display, -1, onScreen.x(), onScreen.y(), CurrentTime);
  XSync(c_->display, False);
}

void Desktop::click(QPoint at) {
  movePointer(at);
  leftButton(true);
  leftButton(false);
}

void Desktop::leftButton(bool down) {
  XTestFakeButtonEvent(c_->display, 1, down ? True : False, CurrentTime);
  XSync(c_->display, False);
}

void Desktop::pressKey(unsigned long keysym) {
  const KeyCode code = XKeysymToKeycode(c_->display, keysym);
  XTestFakeKeyEvent(c_->display, code, True, CurrentTime);
  XTestFakeKeyEvent(c_->display, code, False, CurrentTime);
  XSync(c_->display, False);
}

void Desktop::askWindowManager(WindowId window, unsigned long request) {
  XEvent e;
  std::memset(&e, 0, sizeof e);
  e.xclient.type = ClientMessage;
  e.xclient.window = window;
  e.xclient.message_type = request;
  e.xclient.format = 32;
  // _NET_CLOSE_WINDOW: time, source; _NET_ACTIVE_WINDOW: source, time.
  const bool close = request == c_->netCloseWindow;
  e.xclient.data.l[close ? 1 : 0] = 2;  // a request from a pager or a user's tool
  e.xclient.data.l[close ? 0 : 1] = CurrentTime;
  XSendEvent(c_->display, c_->root, False, SubstructureRedirectMask | SubstructureNotifyMask, &e);
  XSync(c_->display, False);
}

void Desktop::closeFromFrame(WindowId window) { askWindowManager(window, c_->netCloseWindow); }

void Desktop::activate(WindowId window) { askWindowManager(window, c_->netActiveWindow); }

void Desktop::destroy(WindowId window) {
  XDestroyWindow(c_->display, window);
  XSync(c_->display, False);
}

QImage Desktop::grabScreen() {
  XWindowAttributes a;
  XGetWindowAttributes(c_->display, c_->root, &a);
  return grabOfScreen(QRect(0, 0, a.width, a.height));
}

QImage Desktop::grab(QRect area) {
  return grabOfScreen(area.isNull() ? area_ : area.translated(area_.topLeft()).intersected(area_));
}

QImage Desktop::grabOfScreen(QRect area) {
  Display* d = c_->display;
  XWindowAttributes a;
  XGetWindowAttributes(d, c_->root, &a);
  const QRect r = area.intersected(QRect(0, 0, a.width, a.height));
  if (r.isEmpty()) return {};
  XImage* x = XGetImage(d, c_->root, r.x(), r.y(), static_cast<unsigned>(r.width()),
                        static_cast<unsigned>(r.height()), AllPlanes, ZPixmap);
  if (!x) return {};
  QImage out(r.width(), r.height(), QImage::Format_RGB32);
  const bool sameLayout = x->bits_per_pixel == 32 && x->red_mask == 0xff0000 &&
                          x->green_mask == 0xff00 && x->blue_mask == 0xff &&
                          x->byte_order == LSBFirst;
  for (int y = 0; y < r.height(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(out.scanLine(y));
    if (sameLayout) {
      std::memcpy(line, x->data + static_cast<std::ptrdiff_t>(y) * x->bytes_per_line,
                  static_cast<std::size_t>(r.width()) * 4);
      for (int i = 0; i < r.width(); ++i) line[i] |= 0xff000000u;
      continue;
    }
    for (int i = 0; i < r.width(); ++i) {
      const unsigned long p = XGetPixel(x, i, y);
      line[i] =
          qRgb(static_cast<int>((p & x->red_mask) >> 16),
               static_cast<int>((p & x->green_mask) >> 8), static_cast<int>(p & x->blue_mask));
    }
  }
  XDestroyImage(x);
  return out;
}

}  // namespace kr::x11
