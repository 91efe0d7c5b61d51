// The network game dialog.
#pragma once

#include <QWidget>

namespace kr {

class GameUi;

class NetworkDialog : public QWidget {
 public:
  explicit NetworkDialog(GameUi& ui);
  void sync();

 private:
  GameUi& ui_;
};

}  // namespace kr
