// The about box: title, icon, a few words about the game and "OK", in a framed window with
// the title "About" and a close box.
#include "ui/shell/about_window.h"

#include <QLabel>
#include <QPushButton>

#include "model/shell/main_menu.h"
#include "model/shell/windows.h"
#include "ui/game_ui.h"
#include "ui/shell/shell_look.h"
#include "ui/widgets/control_sync.h"
#include "ui/widgets/picture_image.h"
#include "ui/widgets/title_frame.h"

namespace kr {

AboutWindow::AboutWindow(GameUi& ui) : GameWindow(ui) {
  frame_ = new TitleFrame(this, [this] { ui_.input([this] { aboutClose(ui_.game); }); });
  QWidget* body = frame_->body();
  title_ = new QLabel(body);
  title_->setFont(face(kScriptFace, 30, true));
  icon_ = new PictureImage(QStringLiteral("about_icon"), body);
  description_ = new QLabel(body);
  description_->setFont(face(kDialogFace, 9));
  description_->setWordWrap(true);
  description_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  ok_ = new QPushButton(body);
  ok_->setFont(face(kDialogFace, 9));
  ok_->setDefault(true);
  connect(ok_, &QPushButton::clicked, this,
          [this] { ui_.input([this] { aboutOkClick(ui_.game); }); });
}

void AboutWindow::sync() {
  const AboutBox& m = model();
  frame_->sync(QString::fromStdString(m.caption),
               QSize(static_cast<int>(m.width), static_cast<int>(m.height)), ui_.gameScreen());
  syncControl(title_, m.title);
  syncGeometry(icon_, m.icon);
  syncControl(description_, m.description);
  syncControl(ok_, m.okButton);
  syncShown();
}

}  // namespace kr
