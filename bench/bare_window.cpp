// A bare Qt window, full screen and frameless, that paints itself once: the start-up that
// bench/startup.sh measures the game's main menu against.
#include <QApplication>
#include <QPainter>
#include <QWidget>

namespace {

class BareWindow : public QWidget {
 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    p.fillRect(rect(), QColor(40, 80, 40));
  }
};

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  BareWindow w;
  w.setWindowFlag(Qt::FramelessWindowHint);
  w.resize(1920, 1080);
  w.show();
  return QApplication::exec();
}
