// The game's window as an X server or a Wayland compositor knows it.
#include "x11/game_window_view.h"

#include <cstdio>
#include <fstream>
#include <map>
#include <regex>

#include "model/texts.h"
#include "x11/x_desktop.h"

namespace kr::x11 {

namespace {

constexpr const char* kGameClass = "krepostan";

std::string sizeText(QSize s) {
  return std::to_string(s.width()) + " x " + std::to_string(s.height());
}

class XWindowView : public GameWindowView {
 public:
  explicit XWindowView(Desktop& desktop) : desktop_(desktop), screen_(desktop.gameArea()) {}

  QRect area() override { return screen_; }

  std::string expectOneWindow() override {
    std::vector<TopWindow> windows;
    for (const TopWindow& t : desktop_.stacking())
      if (t.windowClass == kGameClass) windows.push_back(t);
    if (windows.size() != 1)
      return "the game has " + std::to_string(windows.size()) + " windows on the desktop";
    const TopWindow& w = windows.front();
    if (w.title != text::kGameName) return "the game's window is titled \"" + w.title + "\"";
    if (w.rect != screen_) return "the game's window does not cover the screen";
    return {};
  }

  std::string expectActive() override {
    const std::vector<TopWindow> all = desktop_.stacking();
    if (all.empty() || all.back().windowClass != kGameClass)
      return "another program stands over the game";
    if (desktop_.focus() != all.back().id) return "the game's window does not have the keyboard";
    return {};
  }

  std::string shown() override {
    const std::vector<TopWindow> windows = desktop_.stacking();
    const WindowId focus = desktop_.focus();
    std::string out = "  windows, bottom to top:\n";
    for (const auto& w : windows) {
      char line[256];
      std::snprintf(line, sizeof line, "    %-10s \"%s\" %dx%d+%d+%d%s%s\n", w.windowClass.c_str(),
                    w.title.c_str(), w.rect.width(), w.rect.height(), w.rect.x(), w.rect.y(),
                    w.framed() ? " framed" : "", w.id == focus ? "  <- keyboard" : "");
      out += line;
    }
    if (windows.empty()) out += "    (none)\n";
    if (focus == 0) out += "  no window has the keyboard\n";
    return out;
  }

 private:
  Desktop& desktop_;
  const QRect screen_;
};

// What the game's protocol log has said so far, read a line at a time as it grows.
class WaylandWindowView : public GameWindowView {
 public:
  WaylandWindowView(Desktop& desktop, std::filesystem::path log, QSize output)
      : desktop_(desktop), log_(std::move(log)), output_(output) {}

  QRect area() override {
    read();
    const Toplevel* t = only();
    if (!t || t->given.isEmpty()) return {};
    return QRect(QPoint(output_.width() - t->given.width(), output_.height() - t->given.height()),
                 t->given);
  }

  std::string expectOneWindow() override {
    read();
    if (created_ != 1 || toplevels_.size() != 1)
      return "the game made " + std::to_string(created_) + " xdg_toplevels, " +
             std::to_string(toplevels_.size()) + " of them still there, not one";
    const Toplevel& t = toplevels_.begin()->second;
    if (t.title != text::kGameName) return "the game's toplevel is titled \"" + t.title + "\"";
    if (t.appId != kGameClass) return "the game's toplevel has the app id \"" + t.appId + "\"";
    if (t.given.isEmpty()) return "the compositor has given the game's toplevel no size";
    if (lastBuffer_ != t.given)
      return "the compositor gave the game's toplevel " + sizeText(t.given) + ", the game draws " +
             sizeText(lastBuffer_);
    // Weston's output is the one window of the X server.
    const std::size_t xWindows = desktop_.stacking().size();
    if (xWindows != 1)
      return "the X server shows " + std::to_string(xWindows) + " windows, not Weston's alone";
    return {};
  }

  std::string expectActive() override {
    read();
    const Toplevel* t = only();
    if (!t || keyboard_ == 0 || keyboard_ != t->surface)
      return "the game's toplevel does not have the keyboard";
    return {};
  }

  std::string shown() override {
    read();
    std::string out = "  the game's toplevels (" + std::to_string(created_) + " made):\n";
    for (const auto& [id, t] : toplevels_)
      out += "    xdg_toplevel@" + std::to_string(id) + " \"" + t.title + "\" app id \"" + t.appId +
             "\", given " + sizeText(t.given) + (keyboard_ == t.surface ? "  <- keyboard" : "") +
             "\n";
    out += "  the game's last buffer: " + sizeText(lastBuffer_) + "\n";
    return out;
  }

 private:
  struct Toplevel {
    long surface = 0;
    std::string title, appId;
    QSize given;
  };

  const Toplevel* only() const {
    return toplevels_.size() == 1 ? &toplevels_.begin()->second : nullptr;
  }

  // Takes in the lines written since the last reading.
  void read() {
    std::ifstream in(log_, std::ios::binary);
    in.seekg(static_cast<std::streamoff>(offset_));
    std::string line;
    while (std::getline(in, line)) {
      if (in.eof()) break;  // a line still being written: read again next time
      offset_ += line.size() + 1;
      take(line);
    }
  }

  void take(const std::string& line) {
    static const std::regex message(R"((\w+)@(\d+)\.(\w+)\((.*)\)\s*$)");
    std::smatch m;
    if (line.rfind('[', 0) != 0 || !std::regex_search(line, m, message)) return;
    const std::string type = m[1];
    const long id = std::stol(m[2]);
    const std::string name = m[3];
    const std::string args = m[4];
    std::smatch a;
    if (type == "xdg_wm_base" && name == "get_xdg_surface" &&
        std::regex_search(args, a, std::regex(R"(xdg_surface@(\d+), wl_surface@(\d+))")))
      surfaceOf_[std::stol(a[1])] = std::stol(a[2]);
    else if (type == "xdg_surface" && name == "get_toplevel" &&
             std::regex_search(args, a, std::regex(R"(xdg_toplevel@(\d+))"))) {
      ++created_;
      toplevels_[std::stol(a[1])].surface = surfaceOf_[id];
    } else if (type == "xdg_toplevel" && toplevels_.count(id)) {
      Toplevel& t = toplevels_[id];
      if (name == "destroy") toplevels_.erase(id);
      else if (name == "set_title") t.title = quoted(args);
      else if (name == "set_app_id") t.appId = quoted(args);
      else if (name == "configure" && std::regex_search(args, a, std::regex(R"(^(\d+), (\d+))")) &&
               a[1] != "0")
        t.given = QSize(std::stoi(a[1]), std::stoi(a[2]));
    } else if (type == "wl_shm_pool" && name == "create_buffer" &&
               std::regex_search(args, a, std::regex(R"(wl_buffer@(\d+), \d+, (\d+), (\d+))")))
      buffers_[std::stol(a[1])] = QSize(std::stoi(a[2]), std::stoi(a[3]));
    else if (type == "wl_surface" && name == "attach" && only() && only()->surface == id &&
             std::regex_search(args, a, std::regex(R"(wl_buffer@(\d+))")))
      lastBuffer_ = buffers_[std::stol(a[1])];
    else if (type == "wl_keyboard" && name == "enter" &&
             std::regex_search(args, a, std::regex(R"(wl_surface@(\d+))")))
      keyboard_ = std::stol(a[1]);
    else if (type == "wl_keyboard" && name == "leave") keyboard_ = 0;
  }

  static std::string quoted(const std::string& args) {
    const auto from = args.find('"');
    const auto to = args.rfind('"');
    return from == std::string::npos || to <= from ? args : args.substr(from + 1, to - from - 1);
  }

  Desktop& desktop_;
  const std::filesystem::path log_;
  const QSize output_;
  std::size_t offset_ = 0;
  std::map<long, long> surfaceOf_;  // xdg_surface → wl_surface
  std::map<long, Toplevel> toplevels_;
  int created_ = 0;
  long keyboard_ = 0;              // the wl_surface with the keyboard
  std::map<long, QSize> buffers_;  // the size of each shared-memory buffer
  QSize lastBuffer_;               // of the one last attached to the game's window
};

}  // namespace

std::unique_ptr<GameWindowView> xWindowView(Desktop& desktop) {
  return std::make_unique<XWindowView>(desktop);
}

std::unique_ptr<GameWindowView> waylandWindowView(Desktop& desktop,
                                                  const std::filesystem::path& protocolLog,
                                                  QSize output) {
  return std::make_unique<WaylandWindowView>(desktop, protocolLog, output);
}

}  // namespace kr::x11
