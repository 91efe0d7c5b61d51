// How long a program takes to put its first pixels on the X server's screen: starts the
// program and reads rows of the screen back from the server (XGetImage of the root window,
// which is what every client sees) until they differ from what the screen showed before the
// start, then ends the program. What the program itself says of its first frame plays no
// part: only what reached the screen counts.
//
//   first_pixels [--shot FILE] PROGRAM [ARG...]
//
// Prints the tenths of a millisecond from the start to the first changed pixels; with --shot
// the whole screen, read back at once when they changed, is kept in FILE (PNG), to see what
// the first frame showed. Exits 0 when measured, 1 when the program ended or did not draw
// within 20 s, 77 without a display.
// Qt's headers before Xlib's, whose macros (Status, CursorShape) clash with them.
#include <QImage>
#include <QString>
// clang-format off
#include <X11/Xlib.h>
#include <X11/Xutil.h>
// clang-format on
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <memory>
#include <thread>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

// A few whole rows across the screen: any window the size of a dialog crosses one of them.
constexpr int kRows = 8;

struct Rows {
  std::vector<std::vector<char>> pixels;
};

// The rows as the server shows them now, or nothing when the server would not say.
bool readRows(Display* d, Window root, int width, int height, Rows& out) {
  out.pixels.resize(kRows);
  for (int i = 0; i < kRows; ++i) {
    const int y = height * (2 * i + 1) / (2 * kRows);
    XImage* img = XGetImage(d, root, 0, y, static_cast<unsigned>(width), 1, AllPlanes, ZPixmap);
    if (!img) return false;
    const auto bytes = static_cast<std::size_t>(img->bytes_per_line);
    out.pixels[static_cast<std::size_t>(i)].assign(img->data, img->data + bytes);
    XDestroyImage(img);
  }
  return true;
}

// The whole screen as a picture.
QImage screenOf(Display* d, Window root, int width, int height) {
  XImage* img = XGetImage(d, root, 0, 0, static_cast<unsigned>(width),
                          static_cast<unsigned>(height), AllPlanes, ZPixmap);
  if (!img) return {};
  QImage out(width, height, QImage::Format_RGB32);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) out.setPixel(x, y, 0xff000000u | XGetPixel(img, x, y));
  XDestroyImage(img);
  return out;
}

}  // namespace

int main(int argc, char** argv) {
  const char* shot = nullptr;
  if (argc > 2 && std::strcmp(argv[1], "--shot") == 0) {
    shot = argv[2];
    argv += 2;
    argc -= 2;
  }
  if (argc < 2) {
    std::fprintf(stderr, "usage: first_pixels [--shot FILE] PROGRAM [ARG...]\n");
    return 2;
  }
  Display* d = XOpenDisplay(nullptr);
  if (!d) return 77;
  const Window root = DefaultRootWindow(d);
  const int width = DisplayWidth(d, DefaultScreen(d));
  const int height = DisplayHeight(d, DefaultScreen(d));
  Rows before;
  if (!readRows(d, root, width, height, before)) return 77;

  const Clock::time_point start = Clock::now();
  const pid_t pid = fork();
  if (pid == 0) {
    execvp(argv[1], argv + 1);
    std::perror(argv[1]);
    _exit(127);
  }
  if (pid < 0) return 1;

  int result = 1;
  Rows now;
  while (Clock::now() - start < std::chrono::seconds(20)) {
    if (waitpid(pid, nullptr, WNOHANG) == pid) {
      std::fprintf(stderr, "first_pixels: %s ended before it drew\n", argv[1]);
      return 1;
    }
    if (!readRows(d, root, width, height, now)) break;
    if (now.pixels != before.pixels) {
      const auto tenths =
          std::chrono::duration_cast<std::chrono::microseconds>(Clock::now() - start).count() / 100;
      if (shot) screenOf(d, root, width, height).save(QString::fromLocal8Bit(shot));
      std::printf("%lld\n", static_cast<long long>(tenths));
      result = 0;
      break;
    }
    // A short pause between readings: the program measured keeps the processor.
    std::this_thread::sleep_for(std::chrono::microseconds(500));
  }
  kill(pid, SIGTERM);
  waitpid(pid, nullptr, 0);
  XCloseDisplay(d);
  return result;
}
