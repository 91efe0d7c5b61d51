// The "Строительство" frame: palette buttons, pages, the construction bar, the ready icon.
#pragma once

#include <QFrame>
#include <QLabel>
#include <array>

#include "model/core/building.h"
#include "ui/battlefield/panel_frame.h"

namespace kr {

class GameUi;
class PictureButton;
class PictureImage;
struct Battlefield;

class PaletteFrame : public PanelFrame {
 public:
  PaletteFrame(GameUi& ui, QWidget* parent);
  void sync(const Battlefield& f);
  PictureButton* button(Building item) const { return buttons_[rowOf(item)]; }
  QFrame* pageTwo() const { return pageTwo_; }
  QFrame* tankPanel() const { return tankPanel_; }
  PictureImage* forwardArrow() const { return forwardArrow_; }
  PictureImage* backArrow() const { return backArrow_; }
  PictureImage* readyIcon() const { return building_; }
  QLabel* constructionLabel() const { return constructionLabel_; }
  QFrame* barOutline() const { return barOutline_; }
  QLabel* barFill() const { return barFill_; }

 private:
  QFrame* addPanel();
  // Places a panel that reaches beyond the frame, cut off at the frame's inner edge.
  void syncPanel(QFrame* panel, const Control& c);

  GameUi& ui_;
  QLabel* title_;
  std::array<PictureButton*, kPaletteItems> buttons_{};
  QFrame* pageTwo_;
  QFrame* tankPanel_;
  PictureImage* backArrow_;
  PictureImage* forwardArrow_;
  QLabel* constructionLabel_;
  QLabel* barFill_;
  QFrame* barOutline_;
  PictureImage* building_;
};

}  // namespace kr
