// The about box: title, icon, a few words about the game and "OK".
#include "ui/shell/about_window.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPushButton>

#include "model/shell/main_menu.h"
#include "ui/game_ui.h"
#include "ui/shell/shell_look.h"
#include "ui/widgets/control_sync.h"
#include "ui/widgets/picture_image.h"

namespace kr {

AboutWindow::AboutWindow(GameUi& ui) : GameWindow(ui) {
  // A fixed-size window with a single-line frame and a title bar.
  setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                 Qt::WindowCloseButtonHint);
  const AboutBox& m = model();
  setFixedSize(static_cast<int>(m.width), static_cast<int>(m.height));

  title_ = new QLabel(this);
  title_->setFont(face(kScriptFace, 30, true));
  icon_ = new PictureImage(QStringLiteral("about_icon"), this);
  description_ = new QLabel(this);
  description_->setFont(face(kDialogFace, 9));
  description_->setWordWrap(true);
  description_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  ok_ = new QPushButton(this);
  ok_->setFont(face(kDialogFace, 9));
  ok_->setDefault(true);
  connect(ok_, &QPushButton::clicked, this,
          [this] { ui_.input([this] { aboutOkClick(ui_.game); }); });
}

void AboutWindow::sync() {
  const AboutBox& m = model();
  if (!isVisible())
    place(centredOnScreen(ui_.game, static_cast<int>(m.width), static_cast<int>(m.height)));
  syncControl(title_, m.title);
  syncGeometry(icon_, m.icon);
  syncControl(description_, m.description);
  syncControl(ok_, m.okButton);
  syncShown();
}

void AboutWindow::closeEvent(QCloseEvent* event) {
  event->ignore();
  ui_.input([this] { aboutClose(ui_.game); });
}

}  // namespace kr
