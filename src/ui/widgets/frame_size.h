// The size of the title bar and border that frame some of the game's windows.
#pragma once

namespace kr {

struct FrameSize {
  static constexpr int kBorder = 1;
  static constexpr int kTitleHeight = 22;
  // The framed window's width and height for a body of that width and height.
  static constexpr int outerWidth(int body) { return body + 2 * kBorder; }
  static constexpr int outerHeight(int body) { return body + kTitleHeight + 2 * kBorder; }
  // Where the body stands in the framed window.
  static constexpr int bodyLeft = kBorder;
  static constexpr int bodyTop = kBorder + kTitleHeight;
};

}  // namespace kr
