// The network game dialog: an ordinary resizable window with its title bar and close box.
#include "ui/comm/network_dialog_window.h"

#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "model/comm/network.h"
#include "ui/game_ui.h"
#include "ui/widgets/control_sync.h"

namespace kr {

NetworkDialogWindow::NetworkDialogWindow(GameUi& ui) : GameWindow(ui) {
  const NetworkDialog& s = model();
  resize(static_cast<int>(s.width), static_cast<int>(s.height));

  title_ = new QLabel(this);
  QFont titleFont(QStringLiteral("DejaVu Sans"));
  titleFont.setPointSize(18);
  titleFont.setBold(true);
  title_->setFont(titleFont);
  title_->setAlignment(Qt::AlignCenter);
  QPalette titlePal = title_->palette();
  titlePal.setColor(QPalette::WindowText, QColor(0, 192, 0));
  title_->setPalette(titlePal);

  host_ = new QPushButton(this);
  prompt_ = new QLabel(this);
  prompt_->setAlignment(Qt::AlignCenter);
  address_ = new QLineEdit(this);
  join_ = new QPushButton(this);

  connect(host_, &QPushButton::clicked, this,
          [this] { ui_.input([this] { hostClick(ui_.game); }); });
  connect(join_, &QPushButton::clicked, this,
          [this] { ui_.input([this] { joinClick(ui_.game); }); });
  connect(address_, &QLineEdit::textEdited, this, [this](const QString& text) {
    ui_.input([this, text] { addressChange(ui_.game, text.toStdString()); });
  });
}

void NetworkDialogWindow::closeEvent(QCloseEvent* e) {
  e->accept();
  ui_.input([this] { networkDialogClose(ui_.game); });
}

void NetworkDialogWindow::sync() {
  const NetworkDialog& s = model();
  syncControl(title_, s.title);
  syncControl(host_, s.hostButton);
  syncControl(prompt_, s.addressPrompt);
  syncControl(address_, s.addressBox);
  syncControl(join_, s.joinButton);
  syncShown();
}

}  // namespace kr
