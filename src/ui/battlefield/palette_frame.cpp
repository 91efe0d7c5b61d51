// The "Строительство" frame: palette pages, the tank order panel and the construction bar.
#include "ui/battlefield/palette_frame.h"

#include "model/core/palette.h"
#include "model/game.h"
#include "ui/game_ui.h"
#include "ui/widgets/control_sync.h"
#include "ui/widgets/picture_button.h"
#include "ui/widgets/picture_image.h"

namespace kr {

namespace {

// The pictures of the page-1 buttons, in palette order.
const std::array<const char*, 5> kPageOnePictures{"akum", "metzavod", "derzavod", "locator",
                                                  "tankozavod"};
const QColor kBarFill(0, 0, 128);

}  // namespace

PaletteFrame::PaletteFrame(GameUi& ui, QWidget* parent) : PanelFrame(parent), ui_(ui) {
  // Created in stacking order: page 1, the panels laid over it, then the arrows and the bar.
  title_ = addLabel(true);
  title_->setAlignment(Qt::AlignCenter);
  const auto order = [this](int i) {
    return [this, i] { ui_.input([this, i] { orderItem(ui_.game, i); }); };
  };
  for (std::size_t i = 0; i < kPageOnePictures.size(); ++i)
    buttons_[i] = new PictureButton(kPageOnePictures[i], this);
  bui_ = addPanel();
  buttons_[kConverter] = new PictureButton(QStringLiteral("Bui"), bui_);
  tankBui_ = addPanel();
  buttons_[kTank] = new PictureButton(QStringLiteral("TankBui"), tankBui_);
  for (int i = 0; i < kPaletteItems; ++i)
    connect(buttons_[static_cast<std::size_t>(i)], &QAbstractButton::clicked, this, order(i));

  naZad_ = new PictureImage(QStringLiteral("BuildNaZad"), this);
  naZad_->onClick([this] { ui_.input([this] { buildNaZadClick(ui_.game); }); });
  dalee_ = new PictureImage(QStringLiteral("BuildDalee"), this);
  dalee_->onClick([this] { ui_.input([this] { buildDaleeClick(ui_.game); }); });

  stroy_ = addLabel(true);
  stroy_->setAlignment(Qt::AlignCenter);
  QPalette red = stroy_->palette();
  red.setColor(QPalette::WindowText, QColor(192, 0, 0));
  stroy_->setPalette(red);

  prBar_ = new QLabel(this);
  prBar_->setAutoFillBackground(true);
  QPalette fill = prBar_->palette();
  fill.setColor(QPalette::Window, kBarFill);
  prBar_->setPalette(fill);
  obBar_ = new QFrame(this);
  obBar_->setFrameShape(QFrame::Box);
  obBar_->setLineWidth(1);
  obBar_->setAttribute(Qt::WA_TransparentForMouseEvents);

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

void PaletteFrame::sync(const Form1& f) {
  syncGeometry(this, f.Builder);
  syncControl(title_, f.Label3);
  for (std::size_t i = 0; i < buttons_.size(); ++i) syncControl(buttons_[i], f.build[i]);
  syncPanel(bui_, f.Bui);
  syncPanel(tankBui_, f.TankBui);
  syncGeometry(naZad_, f.BuildNaZad);
  naZad_->setBorder(f.BuildNaZad.border != 0);
  syncGeometry(dalee_, f.BuildDalee);
  dalee_->setBorder(f.BuildDalee.border != 0);
  syncControl(stroy_, f.StroyLbl);
  syncGeometry(prBar_, f.PrBar);
  syncGeometry(obBar_, f.ObBar);
  syncGeometry(building_, f.building);
}

}  // namespace kr
