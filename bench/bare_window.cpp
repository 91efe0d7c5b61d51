// A bare Qt window, full screen and frameless, that paints itself once: the start-up that
// bench/startup.sh measures the game's main menu against. Like the game, it says on the
// error output when its first frame is drawn and handed to the display.
#include <QApplication>
#include <QPainter>
#include <QWidget>
#include <cstdio>

namespace {

class BareWindow : public QWidget {
 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    p.fillRect(rect(), QColor(40, 80, 40));
    if (!shown_)
      QMetaObject::invokeMethod(
          this, [] { std::fprintf(stderr, "first frame on screen\n"); }, Qt::QueuedConnection);
    shown_ = true;
  }

 private:
  bool shown_ = false;
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
