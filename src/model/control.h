// A control of a window as the game's rules see it: place, size, visibility, caption.
#pragma once

#include <cstdint>
#include <string>

namespace kr {

// Colours are 0xRRGGBB.
using Rgb = std::uint32_t;

struct Control {
  float left = 0;
  float top = 0;
  float width = 0;
  float height = 0;
  bool visible = true;
  bool enabled = true;
  std::string caption;  // caption of a button or frame, text of a label or text box
  int border = 0;       // 1: a single-line border (the pressed look of the palette arrows)
  Rgb foreColor = 0;
  Rgb backColor = 0;

  static Control at(float left, float top, float width, float height, std::string caption = {},
                    bool visible = true) {
    Control c;
    c.left = left;
    c.top = top;
    c.width = width;
    c.height = height;
    c.caption = std::move(caption);
    c.visible = visible;
    return c;
  }
  float right() const { return left + width; }
  float bottom() const { return top + height; }
};

// A control with its stored text (fore) and background colours.
inline Control coloured(Control c, Rgb fore, Rgb back = 0) {
  c.foreColor = fore;
  c.backColor = back;
  return c;
}

// What every window has: loaded windows exist in Game as models; these are their flags.
struct WindowState {
  bool visible = false;
  bool enabled = true;
  // Counts the times a handler brought the window to the front: showed it (again) or gave
  // it the focus. The window comes up in front of the others whenever it changes, and
  // whenever it turns visible.
  int raised = 0;

  // Shows the window, or brings it to the front when it is shown already.
  void show() {
    visible = true;
    ++raised;
  }
  // Gives the window the focus: it comes in front of the others.
  void activate() { ++raised; }
};

}  // namespace kr
