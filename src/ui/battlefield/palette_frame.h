// The "Строительство" frame: palette buttons, pages, the construction bar, the ready icon.
#pragma once

#include <QFrame>
#include <QLabel>
#include <array>

#include "ui/battlefield/panel_frame.h"

namespace kr {

class GameUi;
class PictureButton;
class PictureImage;
struct Form1;

class PaletteFrame : public PanelFrame {
 public:
  PaletteFrame(GameUi& ui, QWidget* parent);
  void sync(const Form1& f);
  PictureButton* button(int index) const { return buttons_[static_cast<std::size_t>(index)]; }
  QFrame* pageTwo() const { return bui_; }
  QFrame* tankPanel() const { return tankBui_; }
  PictureImage* forwardArrow() const { return dalee_; }
  PictureImage* backArrow() const { return naZad_; }
  PictureImage* readyIcon() const { return building_; }
  QLabel* constructionLabel() const { return stroy_; }
  QFrame* barOutline() const { return obBar_; }
  QLabel* barFill() const { return prBar_; }

 private:
  QFrame* addPanel();
  // Places a panel that reaches beyond the frame, cut off at the frame's inner edge.
  void syncPanel(QFrame* panel, const Control& c);

  GameUi& ui_;
  QLabel* title_;
  std::array<PictureButton*, 7> buttons_{};
  QFrame* bui_;
  QFrame* tankBui_;
  PictureImage* naZad_;
  PictureImage* dalee_;
  QLabel* stroy_;
  QLabel* prBar_;
  QFrame* obBar_;
  PictureImage* building_;
};

}  // namespace kr
