// Writes a contact sheet of every picture of the game on the table's green,
// for looking at them: blefino-pictures OUT.png [--dpr 2]
#include <QElapsedTimer>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <cstdio>

#include "pictures/form1.h"

namespace f1 = blefino::form1;

int main(int argc, char** argv) {
  QGuiApplication app(argc, argv);
  const QStringList args = app.arguments().mid(1);
  QString out;
  qreal dpr = 1;
  for (int i = 0; i < args.size(); ++i) {
    if (args[i] == QLatin1String("--dpr") && i + 1 < args.size()) {
      bool ok = false;
      dpr = args[++i].toDouble(&ok);
      if (!ok || dpr < 0.5 || dpr > 4) {
        std::fprintf(stderr, "--dpr wants a number from 0.5 to 4\n");
        return 2;
      }
    } else if (out.isEmpty() && !args[i].startsWith(QLatin1String("--"))) {
      out = args[i];
    } else {
      out.clear();
      break;
    }
  }
  if (out.isEmpty()) {
    std::fprintf(stderr, "usage: blefino-pictures OUT.png [--dpr 2]\n");
    return 2;
  }

  const QSize sheet(1010, 1050);
  QImage img(sheet * dpr, QImage::Format_ARGB32_Premultiplied);
  img.setDevicePixelRatio(dpr);
  img.fill(QColor(0, 64, 0));
  QPainter p(&img);
  QFont font(QStringLiteral("DejaVu Sans"));
  font.setPixelSize(10);
  p.setFont(font);
  p.setPen(QColor(0, 192, 0));

  QElapsedTimer timer;
  timer.start();
  int count = 0;
  auto put = [&](const QPixmap& pm, qreal x, qreal y, const QString& label) {
    p.drawText(QPointF(x, y + 10), label);
    p.drawPixmap(QPointF(x, y + 14), pm);
    ++count;
  };

  qreal y = 8;
  for (int suit = 1; suit <= 4; ++suit, y += 116)
    for (int rank = 1; rank <= 9; ++rank)
      put(f1::card(suit * 10 + rank, dpr), 10 + (rank - 1) * 82, y,
          QString::number(suit * 10 + rank));
  for (int row = 0; row < 2; ++row, y += 116)
    for (int i = 0; i < 9; ++i) {
      const int k = row * 9 + i;
      put(f1::card(k * 10, dpr), 10 + i * 82, y, QStringLiteral("%1 (back %2)").arg(k * 10).arg(k));
    }
  for (int row = 1; row <= 9; ++row)
    put(f1::card(row, dpr), 10 + (row - 1) * 110, y, QString::number(row));
  y += 140;

  // Stretched uses: batch, portraits on the table, chooser tiles.
  for (int i = 0; i < 4; ++i)
    put(f1::card(QList<int>{19, 28, 37, 46}[i], QSize(75, 100), dpr), 10 + i * 82, y,
        QStringLiteral("75x100"));
  put(f1::card(1, QSize(104, 112), dpr), 350, y, QStringLiteral("104x112"));
  put(f1::card(8, QSize(104, 112), dpr), 462, y, QStringLiteral("104x112"));
  for (int k = 0; k < 6; ++k)
    put(f1::card(k * 10, QSize(50, 67), dpr), 576 + k * 56, y, QStringLiteral("50x67"));
  y += 132;
  for (int frame = 1; frame <= 14; ++frame)
    put(f1::globus(frame, dpr), 10 + (frame - 1) * 42, y, QString::number(frame));
  const qint64 ns = timer.nsecsElapsed();
  p.end();

  if (!img.save(out)) {
    std::fprintf(stderr, "cannot write %s\n", qPrintable(out));
    return 1;
  }
  std::fprintf(stderr, "%d pictures drawn in %.1f ms (%.2f ms each)\n", count, ns / 1e6,
               ns / 1e6 / count);
  return 0;
}
