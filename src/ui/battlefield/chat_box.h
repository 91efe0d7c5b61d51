// The chat line of the battlefield: the box `chat` over the bottom of the map and the
// input line `chatLine` under it.
#pragma once

#include <QLineEdit>
#include <QObject>
#include <QStringList>
#include <QWidget>

namespace kr {

class GameUi;
struct Battlefield;

// The chat box: red lines on black, one line every 27 pixels, as tall as its control.
class ChatView : public QWidget {
 public:
  explicit ChatView(QWidget* parent);
  void setLines(const QStringList& lines);
  const QStringList& lines() const { return lines_; }

 protected:
  void paintEvent(QPaintEvent* e) override;

 private:
  QStringList lines_;
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
  ChatView* box_;
  ChatLine* line_;
};

}  // namespace kr
