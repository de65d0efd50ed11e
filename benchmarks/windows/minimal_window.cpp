// The yardstick for start-up time: the smallest Qt widgets program that
// shows a window; with --label the window holds one line of text, so the
// fonts are loaded as in any window with words in it.
#include <QApplication>
#include <QLabel>
#include <QWidget>
#include <cstring>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QWidget w;
  w.resize(383, 67);
  if (argc > 1 && std::strcmp(argv[1], "--label") == 0)
    (new QLabel(QStringLiteral("Ваше имя:"), &w))->move(8, 8);
  w.show();
  return QApplication::exec();
}
