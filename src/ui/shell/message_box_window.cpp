// The message box: a black window with a red caption strip to drag it by, the message and
// its buttons.
#include "ui/shell/message_box_window.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>

#include "model/shell/message_box.h"
#include "model/shell/windows.h"
#include "ui/game_ui.h"
#include "ui/shell/shell_look.h"
#include "ui/widgets/control_sync.h"

namespace kr {

namespace {

// A button with its own face colour and a thin dark border.
QPushButton* makeButton(QWidget* parent, const Control& c) {
  auto* b = new QPushButton(parent);
  b->setFont(face(kDialogFace, 8));
  const QColor back = rgbColor(c.backColor);
  b->setStyleSheet(QStringLiteral("QPushButton { background-color: %1; color: black; border: 1px "
                                  "solid #404040; padding: 0; }"
                                  "QPushButton:pressed { background-color: %2; }")
                       .arg(back.name(), back.darker(120).name()));
  return b;
}

}  // namespace

MessageBoxWindow::MessageBoxWindow(GameUi& ui) : GameWindow(ui) {
  paintBlack(this);
  const MessageBox& m = model();

  cap_ = new QLabel(this);
  cap_->setFont(face(kTimesFace, 18, true));
  // The 18-point caption is taller than its 25-pixel strip: sitting on the strip's lower
  // edge it keeps every letter whole.
  cap_->setAlignment(Qt::AlignHCenter | Qt::AlignBottom);
  cap_->installEventFilter(this);
  text_ = new QLabel(this);
  text_->setFont(face(kDialogFace, 9.75));
  text_->setWordWrap(true);
  text_->setAlignment(Qt::AlignLeft | Qt::AlignTop);

  yes_ = makeButton(this, m.yesButton);
  no_ = makeButton(this, m.noButton);
  connect(yes_, &QPushButton::clicked, this,
          [this] { ui_.input([this] { messageYesClick(ui_.game); }); });
  connect(no_, &QPushButton::clicked, this,
          [this] { ui_.input([this] { messageNoClick(ui_.game); }); });
}

void MessageBoxWindow::sync() {
  const MessageBox& m = model();
  place(pixelRect(m.left, m.top, m.width, m.height));
  syncLabel(cap_, m.captionBar, true);
  syncLabel(text_, m.text);
  syncControl(yes_, m.yesButton);
  syncControl(no_, m.noButton);
  syncShown();
}

bool MessageBoxWindow::eventFilter(QObject* watched, QEvent* event) {
  if (watched == cap_) {
    // Dragging by the caption strip, with any mouse button.
    switch (event->type()) {
      case QEvent::MouseButtonPress:
        ui_.input([this] { messageCaptionMouseDown(ui_.game); });
        return true;
      case QEvent::MouseMove: ui_.input([this] { messageCaptionMouseMove(ui_.game); }); return true;
      case QEvent::MouseButtonRelease:
        ui_.input([this] { messageCaptionMouseUp(ui_.game); });
        return true;
      default: break;
    }
  }
  return QWidget::eventFilter(watched, event);
}

}  // namespace kr
