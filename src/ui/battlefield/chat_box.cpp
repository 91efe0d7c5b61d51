// The chat box and the chat input line of the battlefield.
#include "ui/battlefield/chat_box.h"

#include <QFontMetricsF>
#include <QPainter>

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
  setAttribute(Qt::WA_OpaquePaintEvent);
  setFocusPolicy(Qt::NoFocus);
  setFont(chatBoxFont());
}

void ChatView::setLines(const QStringList& lines) {
  if (lines == lines_) return;
  lines_ = lines;
  update();
}

void ChatView::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), Qt::black);
  p.setPen(QColor(255, 0, 0));
  const int lineHeight = static_cast<int>(kChatLineHeight);
  const int margin = static_cast<int>(kChatTextMargin);
  // The face is taller than a line: each line sits on a baseline that leaves room for the
  // tails of р and у, and the capitals still fit above it.
  const int baseline = lineHeight - p.fontMetrics().descent();
  p.setClipRect(rect().adjusted(margin, 0, -margin, 0));
  for (int i = 0; i < lines_.size() && i * lineHeight < height(); ++i)
    p.drawText(QPoint(margin, i * lineHeight + baseline), lines_[i]);
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
  syncGeometry(box_, f.chatBox);
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
