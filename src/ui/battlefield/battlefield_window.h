// The battlefield window: the map under the right-hand panels and the chat line.
#pragma once

#include <QWidget>

namespace kr {

class GameUi;
class MapView;
class PaletteFrame;
class ResourcesFrame;
class InspectionFrame;
class MinimapFrame;
class ChatBox;

class BattlefieldWindow : public QWidget {
 public:
  explicit BattlefieldWindow(GameUi& ui);
  void sync();

  MapView* mapView() const { return map_; }
  PaletteFrame* palette() const { return palette_; }
  ResourcesFrame* resources() const { return resources_; }
  InspectionFrame* inspection() const { return inspection_; }
  MinimapFrame* minimap() const { return minimap_; }
  ChatBox* chat() const { return chat_; }

 private:
  GameUi& ui_;
  MapView* map_;
  PaletteFrame* palette_;
  ResourcesFrame* resources_;
  InspectionFrame* inspection_;
  MinimapFrame* minimap_;
  ChatBox* chat_;
};

}  // namespace kr
