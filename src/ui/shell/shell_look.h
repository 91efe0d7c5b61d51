// The look shared by the shell's windows: the game's faces and placement on the screen.
#pragma once

#include <QFont>
#include <QPainter>
#include <QRect>
#include <QString>
#include <QWidget>

#include "ui/sprites/sprite_store.h"
#include "ui/widgets/faces.h"

namespace kr {

class Game;

// A window of that size centred on the game's screen.
QRect centredOnScreen(const Game& g, int width, int height);

// A window of the game drawn black wherever its controls leave room.
inline void paintBlack(QWidget* w) {
  QPalette pal = w->palette();
  pal.setColor(QPalette::Window, Qt::black);
  w->setPalette(pal);
  w->setAutoFillBackground(true);
}

// A window's background picture: drawn at its own size from the top-left corner over
// black (only the part inside the window is rendered), or stretched over the whole window;
// in the pixels of the window's screen. The rendered picture is let go with the window.
class BackgroundPicture {
 public:
  enum class Fit { NaturalSize, WholeWindow };
  explicit BackgroundPicture(QString name, Fit fit = Fit::NaturalSize)
      : name_(std::move(name)), fit_(fit) {}
  ~BackgroundPicture() { SpriteStore::instance().release(name_); }
  BackgroundPicture(const BackgroundPicture&) = delete;
  BackgroundPicture& operator=(const BackgroundPicture&) = delete;
  void paint(QWidget* w) const {
    QPainter p(w);
    if (fit_ == Fit::WholeWindow) {
      // Drawn afresh at the window's size, so the picture stays sharp at any screen size.
      p.drawPixmap(QPoint(0, 0),
                   SpriteStore::instance().scaled(name_, w->size(), w->devicePixelRatio()));
      return;
    }
    p.fillRect(w->rect(), Qt::black);
    p.drawImage(QPoint(0, 0),
                SpriteStore::instance().image(name_, w->devicePixelRatio(), w->size()));
  }

 private:
  QString name_;
  Fit fit_;
};

}  // namespace kr
