// The chat line of the battlefield: the box `chat` over the bottom of the map and the
// input line `chatLine` under it.
#pragma once

#include <QFont>
#include <QLineEdit>
#include <QObject>
#include <QStringList>
#include <QWidget>
#include <string>

namespace kr {

class GameUi;
struct Battlefield;

// The chat box's face: red Arial, 20.25 points.
QFont chatBoxFont();
// How wide a text stands in that face, in pixels.
float chatBoxTextWidth(const std::string& text);

// The chat box: red lines on black, one line every 27 pixels, as tall as its control; the
// game breaks its text into the lines it draws. The face is taller than a line: the marks
// over the capitals of the first line (Ё, Й) reach above the box, over the map, and the
// view reaches up as far to draw them there.
class ChatView : public QWidget {
 public:
  explicit ChatView(QWidget* parent);
  void setLines(const QStringList& lines);
  const QStringList& lines() const { return lines_; }
  // Places the view for the box's control r: the box, and the room above it for the marks.
  void place(const QRect& r);
  // How far the marks over the capitals reach above a line, pixels.
  int roomAbove() const { return roomAbove_; }

 protected:
  void paintEvent(QPaintEvent* e) override;

 private:
  int baseline() const;
  QStringList lines_;
  int roomAbove_ = 0;
};

// The input line: a double-click sends what it holds.
class ChatLine : public QLineEdit {
 public:
  ChatLine(GameUi& ui, QWidget* parent);

 protected:
  void mouseDoubleClickEvent(QMouseEvent* e) override;

 private:
  GameUi& ui_;
};

// Both chat controls, children of the battlefield window over its map.
class ChatBox : public QObject {
 public:
  ChatBox(GameUi& ui, QWidget* window);
  void sync(const Battlefield& f);
  ChatView* box() const { return box_; }
  ChatLine* line() const { return line_; }

 private:
  GameUi& ui_;
  ChatView* box_;
  ChatLine* line_;
  // The text and width the box's lines were broken for.
  std::string brokenText_;
  float brokenWidth_ = -1;
};

}  // namespace kr
