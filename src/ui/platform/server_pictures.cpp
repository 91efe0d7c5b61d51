// Pictures kept on an X server as pixmaps of the window's depth, copied into the window with
// a graphics context that asks for no exposure events, so that a copy brings nothing back
// from the server: no reply to wait for, no event to wake the program.
#include "ui/platform/server_pictures.h"

#include <xcb/xcb.h>

#include <QtGui/qguiapplication_platform.h>
#include <QGuiApplication>
#include <QWidget>
#include <algorithm>
#include <cstdlib>
#include <unordered_map>

namespace kr {

namespace {

// The window's pixels as the server lays them out: 32 bits a pixel, blue in the lowest
// byte, in the byte order of this machine, which is how Format_RGB32 holds them.
bool laidOutAsRgb32(xcb_connection_t* c, xcb_window_t window, std::uint8_t* depth) {
  const xcb_setup_t* setup = xcb_get_setup(c);
  const bool littleEndian = Q_BYTE_ORDER == Q_LITTLE_ENDIAN;
  if ((setup->image_byte_order == XCB_IMAGE_ORDER_LSB_FIRST) != littleEndian) return false;
  xcb_get_window_attributes_reply_t* attributes =
      xcb_get_window_attributes_reply(c, xcb_get_window_attributes(c, window), nullptr);
  xcb_get_geometry_reply_t* geometry =
      xcb_get_geometry_reply(c, xcb_get_geometry(c, window), nullptr);
  bool fits = false;
  if (attributes && geometry && (geometry->depth == 24 || geometry->depth == 32)) {
    *depth = geometry->depth;
    for (auto f = xcb_setup_pixmap_formats_iterator(setup); f.rem; xcb_format_next(&f))
      if (f.data->depth == geometry->depth) fits = f.data->bits_per_pixel == 32;
    bool rgb = false;
    for (auto s = xcb_setup_roots_iterator(setup); s.rem; xcb_screen_next(&s))
      for (auto d = xcb_screen_allowed_depths_iterator(s.data); d.rem; xcb_depth_next(&d))
        for (auto v = xcb_depth_visuals_iterator(d.data); v.rem; xcb_visualtype_next(&v))
          if (v.data->visual_id == attributes->visual)
            rgb = v.data->_class == XCB_VISUAL_CLASS_TRUE_COLOR && v.data->red_mask == 0xff0000 &&
                  v.data->green_mask == 0xff00 && v.data->blue_mask == 0xff;
    fits = fits && rgb;
  }
  std::free(attributes);
  std::free(geometry);
  return fits;
}

class XServerPictures : public ServerPictures {
 public:
  XServerPictures(xcb_connection_t* c, xcb_window_t window, std::uint8_t depth)
      : c_(c), window_(window), depth_(depth), gc_(xcb_generate_id(c)) {
    const std::uint32_t noExposures = 0;
    xcb_create_gc(c_, gc_, window_, XCB_GC_GRAPHICS_EXPOSURES, &noExposures);
    // The longest request the server takes, in bytes, less the request's own header.
    maxData_ = std::size_t{xcb_get_maximum_request_length(c_)} * 4 - 64;
  }
  ~XServerPictures() override {
    forget();
    xcb_free_gc(c_, gc_);
    xcb_flush(c_);
  }

  bool show(const QImage& picture, QPoint at) override {
    if (picture.format() != QImage::Format_RGB32 || picture.isNull()) return false;
    const xcb_pixmap_t kept = keep(picture);
    if (!kept) return false;
    xcb_copy_area(c_, kept, window_, gc_, 0, 0, static_cast<std::int16_t>(at.x()),
                  static_cast<std::int16_t>(at.y()), static_cast<std::uint16_t>(picture.width()),
                  static_cast<std::uint16_t>(picture.height()));
    return true;
  }

  bool put(const QImage& pixels, QPoint at) override {
    return pixels.format() == QImage::Format_RGB32 && !pixels.isNull() &&
           putRows(window_, pixels, at);
  }

  void send() override { xcb_flush(c_); }

  void forget() override {
    for (const auto& [key, pixmap] : kept_) xcb_free_pixmap(c_, pixmap);
    kept_.clear();
  }

 private:
  // The picture's pixmap, sent the first time it is shown; 0 when it cannot be sent.
  xcb_pixmap_t keep(const QImage& picture) {
    if (const auto it = kept_.find(picture.cacheKey()); it != kept_.end()) return it->second;
    const xcb_pixmap_t pixmap = xcb_generate_id(c_);
    xcb_create_pixmap(c_, depth_, pixmap, window_, static_cast<std::uint16_t>(picture.width()),
                      static_cast<std::uint16_t>(picture.height()));
    if (!putRows(pixmap, picture, QPoint(0, 0))) {
      xcb_free_pixmap(c_, pixmap);
      return 0;
    }
    kept_.emplace(picture.cacheKey(), pixmap);
    return pixmap;
  }

  // The image's pixels sent to the drawable at `at`, in as many requests as the server's
  // longest request needs.
  bool putRows(xcb_drawable_t drawable, const QImage& image, QPoint at) {
    const auto rowBytes = static_cast<std::size_t>(image.bytesPerLine());
    const int rowsAtOnce = static_cast<int>(std::min<std::size_t>(maxData_ / rowBytes, 0xffff));
    if (rowsAtOnce < 1 || image.width() > 0x7fff || image.height() > 0x7fff) return false;
    for (int y = 0; y < image.height(); y += rowsAtOnce) {
      const int rows = std::min(rowsAtOnce, image.height() - y);
      xcb_put_image(c_, XCB_IMAGE_FORMAT_Z_PIXMAP, drawable, gc_,
                    static_cast<std::uint16_t>(image.width()), static_cast<std::uint16_t>(rows),
                    static_cast<std::int16_t>(at.x()), static_cast<std::int16_t>(at.y() + y), 0,
                    depth_, static_cast<std::uint32_t>(rowBytes * static_cast<std::size_t>(rows)),
                    image.constScanLine(y));
    }
    return true;
  }

  xcb_connection_t* c_;
  xcb_window_t window_;
  std::uint8_t depth_;
  xcb_gcontext_t gc_;
  std::size_t maxData_ = 0;
  std::unordered_map<qint64, xcb_pixmap_t> kept_;
};

}  // namespace

std::unique_ptr<ServerPictures> ServerPictures::forWindowOf(QWidget* widget) {
  const auto* x11 =
      qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
  QWidget* native = widget->isWindow() ? widget : widget->nativeParentWidget();
  if (!x11 || !native || !native->testAttribute(Qt::WA_WState_Created)) return nullptr;
  xcb_connection_t* c = x11->connection();
  const auto window = static_cast<xcb_window_t>(native->winId());
  std::uint8_t depth = 0;
  if (!c || !window || !laidOutAsRgb32(c, window, &depth)) return nullptr;
  return std::make_unique<XServerPictures>(c, window, depth);
}

}  // namespace kr
