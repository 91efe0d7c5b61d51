// The notepad window: the list of chat lines and "Вернуться в меню".
#include "ui/comm/notepad_window.h"

#include <QKeyEvent>
#include <QListWidget>
#include <QPushButton>

#include "model/battlefield/keys.h"
#include "model/comm/notepad.h"
#include "model/comm/windows.h"
#include "model/game.h"
#include "model/texts.h"
#include "ui/game_ui.h"
#include "ui/shell/shell_look.h"
#include "ui/widgets/control_sync.h"

namespace kr {

NotepadWindow::NotepadWindow(GameUi& ui) : GameWindow(ui) {
  paintBlack(this);

  list_ = new QListWidget(this);
  list_->setFont(face(kArialFace, 8.25));
  QPalette listPal = list_->palette();
  listPal.setColor(QPalette::Base, Qt::black);
  listPal.setColor(QPalette::Text, Qt::white);
  list_->setPalette(listPal);
  list_->setFrameShape(QFrame::NoFrame);
  list_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  list_->installEventFilter(this);
  connect(list_, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* item) {
    const int row = list_->row(item);
    ui_.input([this, row] { notepadDoubleClick(ui_.game, row); });
  });

  back_ = new QPushButton(this);
  back_->setFont(face(kTimesFace, 9.75, true));
  back_->installEventFilter(this);
  connect(back_, &QPushButton::clicked, this,
          [this] { ui_.input([this] { notepadBackClick(ui_.game); }); });
}

bool NotepadWindow::keyDown(const QKeyEvent* e) {
  if (e->key() != Qt::Key_Escape) return false;
  ui_.input([this] { notepadKeyDown(ui_.game, kKeyEscape); });
  return true;
}

void NotepadWindow::keyPressEvent(QKeyEvent* e) {
  if (!keyDown(e)) QWidget::keyPressEvent(e);
}

bool NotepadWindow::eventFilter(QObject* watched, QEvent* e) {
  if (e->type() == QEvent::KeyPress && keyDown(static_cast<QKeyEvent*>(e))) return true;
  return QWidget::eventFilter(watched, e);
}

void NotepadWindow::sync() {
  const Game& g = ui_.game;
  const Notepad& n = model();
  // Centred on the screen.
  place(pixelRect((static_cast<float>(g.screenWidth) - n.width) / 2,
                  (static_cast<float>(g.screenHeight) - n.height) / 2, n.width, n.height));
  syncGeometry(list_, n.lineList);
  syncControl(back_, n.backButton);
  // Lines are only ever added while the window lives.
  if (list_->count() > static_cast<int>(n.lines.size())) list_->clear();
  for (std::size_t i = static_cast<std::size_t>(list_->count()); i < n.lines.size(); ++i) {
    // A line too long for the narrow list shows whole in its tooltip.
    auto* item = new QListWidgetItem(QString::fromStdString(n.lines[i]), list_);
    item->setToolTip(item->text());
  }
  syncShown();
}

}  // namespace kr
