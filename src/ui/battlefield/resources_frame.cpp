// The "Ресурсы" frame.
#include "ui/battlefield/resources_frame.h"

#include <QImage>
#include <QWidget>

#include "model/core/world.h"
#include "ui/platform/server_pictures.h"
#include "ui/platform/shown_aside.h"
#include "ui/widgets/control_sync.h"

namespace kr {

namespace {

// The labels in the order they are kept.
std::array<const Control*, 12> labelControls(const Battlefield& f) {
  return {&f.energyTitle, &f.energyStock, &f.energyIncome, &f.energyExpense,
          &f.metalTitle,  &f.metalStock,  &f.metalIncome,  &f.metalExpense,
          &f.woodTitle,   &f.woodStock,   &f.woodIncome,   &f.woodExpense};
}

}  // namespace

ResourcesFrame::ResourcesFrame(QWidget* parent) : PanelFrame(parent), aside_(new ShownAside(this)) {
  title_ = addLabel(true);
  title_->setAlignment(Qt::AlignCenter);
  for (std::size_t i = 0; i < labels_.size(); ++i) {
    // Stocks stand out in bold; titles and rates are plain.
    labels_[i] = addLabel(i % 4 == 1);
  }
}

void ResourcesFrame::setServerPictures(std::unique_ptr<ServerPictures> pictures) {
  aside_->setServer(std::move(pictures));
}

bool ResourcesFrame::showAside(ServerPictures& server, QLabel* label, const QString& text) {
  // Qt asks for no repaint of a widget whose updates are off; the flag is set and cleared
  // as it is, since turning updates back on asks for a repaint of the whole label.
  label->setAttribute(Qt::WA_UpdatesDisabled, true);
  label->setText(text);
  label->setAttribute(Qt::WA_UpdatesDisabled, false);
  // What the window shows there now, whatever lies over the label, drawn as a repaint would.
  QWidget* top = window();
  const QRect inTop(label->mapTo(top, QPoint(0, 0)), label->size());
  QImage pixels(inTop.size(), QImage::Format_RGB32);
  top->render(&pixels, QPoint(0, 0), QRegion(inTop));
  const QRect inFrame = label->geometry();
  if (!server.put(pixels, aside_->inWindow(inFrame.topLeft()))) {
    label->update();
    return false;
  }
  aside_->shown(inFrame);
  return true;
}

void ResourcesFrame::sync(const Battlefield& f) {
  syncGeometry(this, f.resourcesFrame);
  syncDividers(f.resourcesFrameDividers);
  syncControl(title_, f.resourcesFrameTitle);
  const auto controls = labelControls(f);
  ServerPictures* server = aside_->server();
  bool sent = false;
  for (std::size_t i = 0; i < labels_.size(); ++i) {
    QLabel* label = labels_[i];
    const Control& c = *controls[i];
    syncGeometry(label, c);
    const QString text = QString::fromStdString(c.caption);
    if (label->text() == text) continue;
    if (server && label->isVisible()) sent = showAside(*server, label, text) || sent;
    else label->setText(text);
  }
  if (sent) server->send();
}

}  // namespace kr
