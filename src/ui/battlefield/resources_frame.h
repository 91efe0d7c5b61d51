// The "Ресурсы" frame: three stocks and their gains and losses per tick.
#pragma once

#include <QLabel>
#include <array>
#include <memory>

#include "ui/battlefield/panel_frame.h"

namespace kr {

struct Battlefield;

class ServerPictures;
class ShownAside;

class ResourcesFrame : public PanelFrame {
 public:
  explicit ResourcesFrame(QWidget* parent);
  // A figure that changes where it stands goes to the screen as pixels the display server
  // draws where it can (see ServerPictures), without a repaint of the window's buffer.
  void sync(const Battlefield& f);
  // In place of the server's pictures looked for at the first sync.
  void setServerPictures(std::unique_ptr<ServerPictures> pictures);

 private:
  // Takes the label's new text without asking for a repaint and has the server draw it.
  bool showAside(ServerPictures& server, QLabel* label, const QString& text);

  QLabel* title_;
  std::array<QLabel*, 12> labels_{};
  ShownAside* aside_;
};

}  // namespace kr
