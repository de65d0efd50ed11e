// The yardstick for start-up time: the smallest Qt widgets program that
// shows a window.
#include <QApplication>
#include <QWidget>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QWidget w;
  w.resize(383, 67);
  w.show();
  return QApplication::exec();
}
