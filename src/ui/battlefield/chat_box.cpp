// The chat box and the chat input line of the battlefield.
#include "ui/battlefield/chat_box.h"

#include <QFontMetricsF>
#include <QPainter>
#include <algorithm>

#include "model/comm/chat.h"
#include "model/core/world.h"
#include "model/game.h"
#include "ui/game_ui.h"
#include "ui/widgets/control_sync.h"
#include "ui/widgets/faces.h"

namespace kr {

QFont chatBoxFont() { return face(kArialFace, 20.25); }

float chatBoxTextWidth(const std::string& text) {
  static const QFontMetricsF metrics(chatBoxFont());
  return static_cast<float>(metrics.horizontalAdvance(QString::fromStdString(text)));
}

ChatView::ChatView(QWidget* parent) : QWidget(parent) {
  setFocusPolicy(Qt::NoFocus);
  setFont(chatBoxFont());
  // The highest marks of the face's Cyrillic capitals.
  const int top = -fontMetrics().boundingRect(QStringLiteral("ЁЙ")).top();
  roomAbove_ = std::max(0, top - baseline());
}

int ChatView::baseline() const {
  // Each line sits on a baseline that leaves room for the tails of р and у.
  return static_cast<int>(kChatLineHeight) - fontMetrics().descent();
}

void ChatView::place(const QRect& r) {
  const QRect whole = r.adjusted(0, -roomAbove_, 0, 0);
  if (geometry() != whole) setGeometry(whole);
}

void ChatView::setLines(const QStringList& lines) {
  if (lines == lines_) return;
  lines_ = lines;
  update();
}

void ChatView::paintEvent(QPaintEvent*) {
  QPainter p(this);
  // The box is black; the room above it shows the map.
  const QRect box = rect().adjusted(0, roomAbove_, 0, 0);
  p.fillRect(box, Qt::black);
  p.setPen(QColor(255, 0, 0));
  const int lineHeight = static_cast<int>(kChatLineHeight);
  const int margin = static_cast<int>(kChatTextMargin);
  p.setClipRect(rect().adjusted(margin, 0, -margin, 0));
  for (int i = 0; i < lines_.size() && i * lineHeight < box.height(); ++i)
    p.drawText(QPoint(margin, roomAbove_ + i * lineHeight + baseline()), lines_[i]);
}

ChatLine::ChatLine(GameUi& ui, QWidget* parent) : QLineEdit(parent), ui_(ui) {
  // What the player types is the control's text at once.
  connect(this, &QLineEdit::textEdited, this, [this](const QString& text) {
    ui_.input([this, text] { chatLineChange(ui_.game, text.toStdString()); });
  });
}

void ChatLine::mouseDoubleClickEvent(QMouseEvent* e) {
  QLineEdit::mouseDoubleClickEvent(e);
  ui_.input([this] { chatLineDoubleClick(ui_.game); });
}

ChatBox::ChatBox(GameUi& ui, QWidget* window)
    : QObject(window), ui_(ui), box_(new ChatView(window)), line_(new ChatLine(ui, window)) {
  // The battlefield window finds them by these names (the line takes the focus there).
  box_->setObjectName(QStringLiteral("chatBox"));
  line_->setObjectName(QStringLiteral("chatLine"));
}

void ChatBox::sync(const Battlefield& f) {
  box_->place(pixelRect(f.chatBox));
  if (box_->isVisibleTo(box_->parentWidget()) != f.chatBox.visible)
    box_->setVisible(f.chatBox.visible);
  if (f.chatBox.caption != brokenText_ || f.chatBox.width != brokenWidth_) {
    brokenText_ = f.chatBox.caption;
    brokenWidth_ = f.chatBox.width;
    QStringList lines;
    for (const std::string& l : chatBoxLines(ui_.game)) lines << QString::fromStdString(l);
    box_->setLines(lines);
  }
  syncControl(line_, f.chatLine);
}

}  // namespace kr
