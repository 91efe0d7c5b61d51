// The "Строительство" frame: palette pages, the tank order panel and the construction bar.
#include "ui/battlefield/palette_frame.h"

#include "model/core/building_kinds.h"
#include "model/core/palette.h"
#include "model/core/world.h"
#include "model/game.h"
#include "ui/game_ui.h"
#include "ui/widgets/control_sync.h"
#include "ui/widgets/picture_button.h"
#include "ui/widgets/picture_image.h"

namespace kr {

namespace {

const QColor kBarFill(0, 0, 128);

}  // namespace

PaletteFrame::PaletteFrame(GameUi& ui, QWidget* parent) : PanelFrame(parent), ui_(ui) {
  // Created in stacking order: page 1, the panels laid over it, then the arrows and the bar.
  title_ = addLabel(true);
  title_->setAlignment(Qt::AlignCenter);
  // Each button where its row puts it: page 1 first, then the panels laid over it.
  const auto buttonsOf = [this](PalettePlace place, QWidget* holder) {
    for (std::size_t i = 0; i < buttons_.size(); ++i) {
      const BuildingKind& kind = kBuildingKinds[i];
      if (kind.palette.place != place) continue;
      buttons_[i] = new PictureButton(QString::fromUtf8(kind.palettePicture), holder);
      QStringList price;
      for (const std::string& amount : priceLines(kind)) price << QString::fromStdString(amount);
      buttons_[i]->setPrice(price);
      const Building item = kind.kind;
      connect(buttons_[i], &QAbstractButton::clicked, this,
              [this, item] { ui_.input([this, item] { orderItem(ui_.game, item); }); });
    }
  };
  buttonsOf(PalettePlace::kPageOne, this);
  pageTwo_ = addPanel();
  buttonsOf(PalettePlace::kPageTwo, pageTwo_);
  tankPanel_ = addPanel();
  buttonsOf(PalettePlace::kTankOrders, tankPanel_);

  backArrow_ = new PictureImage(QStringLiteral("BuildNaZad"), this);
  backArrow_->onClick([this] { ui_.input([this] { previousPageClick(ui_.game); }); });
  forwardArrow_ = new PictureImage(QStringLiteral("BuildDalee"), this);
  forwardArrow_->onClick([this] { ui_.input([this] { nextPageClick(ui_.game); }); });

  constructionLabel_ = addLabel(true);
  constructionLabel_->setAlignment(Qt::AlignCenter);
  QPalette red = constructionLabel_->palette();
  red.setColor(QPalette::WindowText, QColor(192, 0, 0));
  constructionLabel_->setPalette(red);

  barFill_ = new QLabel(this);
  barFill_->setAutoFillBackground(true);
  QPalette fill = barFill_->palette();
  fill.setColor(QPalette::Window, kBarFill);
  barFill_->setPalette(fill);
  barOutline_ = new QFrame(this);
  barOutline_->setFrameShape(QFrame::Box);
  barOutline_->setLineWidth(1);
  barOutline_->setAttribute(Qt::WA_TransparentForMouseEvents);

  building_ = new PictureImage(QStringLiteral("building"), this);
  building_->onClick([this] { ui_.input([this] { takeItem(ui_.game); }); });
}

QFrame* PaletteFrame::addPanel() {
  auto* panel = new QFrame(this);
  panel->setAutoFillBackground(true);
  return panel;
}

void PaletteFrame::syncPanel(QFrame* panel, const Control& c) {
  const QRect r = pixelRect(c).intersected(contentsRect());
  Control clipped = c;
  clipped.width = static_cast<float>(r.width());
  clipped.height = static_cast<float>(r.height());
  syncGeometry(panel, clipped);
}

void PaletteFrame::sync(const Battlefield& f) {
  syncGeometry(this, f.buildFrame);
  syncDividers(f.buildFrameDividers);
  syncControl(title_, f.buildFrameTitle);
  for (std::size_t i = 0; i < buttons_.size(); ++i) syncControl(buttons_[i], f.paletteButtons[i]);
  syncPanel(pageTwo_, f.secondPage);
  syncPanel(tankPanel_, f.tankOrderPanel);
  syncGeometry(backArrow_, f.previousPageArrow);
  backArrow_->setBorder(f.previousPageArrow.border != 0);
  syncGeometry(forwardArrow_, f.nextPageArrow);
  forwardArrow_->setBorder(f.nextPageArrow.border != 0);
  syncControl(constructionLabel_, f.constructionLabel);
  syncGeometry(barFill_, f.constructionBar);
  syncGeometry(barOutline_, f.constructionBarFrame);
  syncGeometry(building_, f.readyIcon);
}

}  // namespace kr
