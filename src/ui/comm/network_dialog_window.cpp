// The network game dialog: a framed window with its title bar and close box.
#include "ui/comm/network_dialog_window.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "model/comm/network.h"
#include "model/comm/windows.h"
#include "ui/game_ui.h"
#include "ui/widgets/control_sync.h"
#include "ui/widgets/faces.h"
#include "ui/widgets/title_frame.h"

namespace kr {

NetworkDialogWindow::NetworkDialogWindow(GameUi& ui) : GameWindow(ui) {
  // The close box ends the program.
  frame_ = new TitleFrame(this, [this] { ui_.input([this] { networkDialogClose(ui_.game); }); });
  QWidget* body = frame_->body();
  title_ = new QLabel(body);
  title_->setFont(face(kDialogFace, 18, true));
  title_->setAlignment(Qt::AlignCenter);
  QPalette titlePal = title_->palette();
  titlePal.setColor(QPalette::WindowText, QColor(0, 192, 0));
  title_->setPalette(titlePal);

  host_ = new QPushButton(body);
  prompt_ = new QLabel(body);
  prompt_->setAlignment(Qt::AlignCenter);
  address_ = new QLineEdit(body);
  join_ = new QPushButton(body);

  connect(host_, &QPushButton::clicked, this,
          [this] { ui_.input([this] { hostClick(ui_.game); }); });
  connect(join_, &QPushButton::clicked, this,
          [this] { ui_.input([this] { joinClick(ui_.game); }); });
  connect(address_, &QLineEdit::textEdited, this, [this](const QString& text) {
    ui_.input([this, text] { addressChange(ui_.game, text.toStdString()); });
  });
}

void NetworkDialogWindow::sync() {
  const NetworkDialog& s = model();
  frame_->sync(QString::fromStdString(s.caption),
               QSize(static_cast<int>(s.width), static_cast<int>(s.height)), ui_.gameScreen());
  syncControl(title_, s.title);
  syncControl(host_, s.hostButton);
  syncControl(prompt_, s.addressPrompt);
  syncControl(address_, s.addressBox);
  syncControl(join_, s.joinButton);
  syncShown();
}

}  // namespace kr
