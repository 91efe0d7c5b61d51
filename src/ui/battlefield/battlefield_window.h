// The battlefield window: the map beside the right-hand panels, and the chat line.
#pragma once

#include <QPointer>

#include "model/core/world.h"
#include "ui/game_window.h"

class QKeyEvent;
class QWindow;

namespace kr {
class MapView;
class PaletteFrame;
class ResourcesFrame;
class InspectionFrame;
class MinimapFrame;
class ChatBox;

class BattlefieldWindow : public GameWindow<Battlefield> {
 public:
  explicit BattlefieldWindow(GameUi& ui);
  void sync();

  MapView* mapView() const { return map_; }
  PaletteFrame* palette() const { return palette_; }
  ResourcesFrame* resources() const { return resources_; }
  InspectionFrame* inspection() const { return inspection_; }
  MinimapFrame* minimap() const { return minimap_; }
  ChatBox* chat() const { return chat_; }

  // The game's code of a battlefield key (Esc 27, Enter 13, I 73), or 0. The I key counts
  // in any keyboard layout.
  static int keyCode(const QKeyEvent& event);

 protected:
  // Keys reach the window before the control that has the focus.
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void syncFocus(const Battlefield& f);

  MapView* map_;
  PaletteFrame* palette_;
  ResourcesFrame* resources_;
  InspectionFrame* inspection_;
  MinimapFrame* minimap_;
  ChatBox* chat_;
  QPointer<QWindow> previewed_;
  Focus appliedFocus_ = Focus::None;
  bool wasEnabled_ = true;
};

}  // namespace kr
