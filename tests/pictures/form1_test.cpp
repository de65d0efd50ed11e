// The picture store: which pictures it holds, at what size, kept while their
// density is in use, each one a player tells apart from the others.
#include "pictures/form1.h"

#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QImage>
#include <QMap>
#include <algorithm>
#include <functional>
#include <limits>
#include <set>

namespace f1 = blefino::form1;

namespace {

QImage image(const QPixmap& pm) { return pm.toImage().convertToFormat(QImage::Format_ARGB32); }
bool is_face(int e) { return e / 10 >= 1 && e / 10 <= 4 && e % 10 != 0; }

// The mean difference per channel (0..255) of the two most alike pictures.
double closest_pair(const QList<QImage>& images) {
  double least = std::numeric_limits<double>::max();
  for (int i = 0; i < images.size(); ++i)
    for (int j = i + 1; j < images.size(); ++j) {
      const uchar *a = images[i].constBits(), *b = images[j].constBits();
      double sum = 0;
      for (qsizetype k = 0; k < images[i].sizeInBytes(); ++k) sum += std::abs(a[k] - b[k]);
      least = std::min(least, sum / images[i].sizeInBytes());
    }
  return least;
}

int count_pixels(const QImage& img, bool (*test)(QRgb)) {
  const auto* p = reinterpret_cast<const QRgb*>(img.constBits());  // ARGB32 lines are never padded
  return static_cast<int>(std::count_if(p, p + img.width() * img.height(), test));
}

bool red(QRgb p) { return qAlpha(p) > 200 && qRed(p) > 150 && qGreen(p) < 90 && qBlue(p) < 90; }
bool dark(QRgb p) { return qAlpha(p) > 200 && qRed(p) < 80 && qGreen(p) < 80 && qBlue(p) < 80; }
bool white(QRgb p) { return p == qRgb(255, 255, 255); }

// Separate blobs of suit colour in the pip field, between the corner indices.
int pips(const QImage& img) {
  const QRect field(16, 9, 39, 78);
  std::set<std::pair<int, int>> seen;
  std::function<bool(int, int)> flood = [&](int x, int y) {
    const bool ink = field.contains(x, y) && (red(img.pixel(x, y)) || dark(img.pixel(x, y)));
    if (!ink || !seen.insert({x, y}).second) return false;
    flood(x + 1, y), flood(x - 1, y), flood(x, y + 1), flood(x, y - 1);
    return true;
  };
  int blobs = 0;
  for (int y = field.top(); y <= field.bottom(); ++y)
    for (int x = field.left(); x <= field.right(); ++x) blobs += flood(x, y);
  return blobs;
}

}  // namespace

TEST(PictureStore, HoldsTheFacesBacksPortraitsAndGlobeFramesAtTheSizeAskedFor) {
  for (int e = -20; e <= 200; ++e) {
    const bool card = is_face(e) || (e >= 0 && e <= 170 && e % 10 == 0),
               portrait = e >= 1 && e <= 9;
    const QSize size = card ? QSize(71, 96) : portrait ? QSize(100, 120) : QSize();
    SCOPED_TRACE(e);
    ASSERT_EQ(f1::has_card(e), card || portrait);
    EXPECT_EQ(f1::card_size(e), size);
    EXPECT_EQ(f1::card(e, 1.5).size(), size.isValid() ? size * 1.5 : QSize(0, 0));
  }
  for (int frame = -1; frame <= 16; ++frame)
    EXPECT_EQ(f1::globus(frame, 2).size(), frame >= 1 && frame <= 14 ? QSize(64, 64) : QSize(0, 0))
        << frame;
  // Stretched uses: the batch, the table's portraits, the chooser's tiles.
  for (QSize logical : {QSize(75, 100), QSize(104, 112), QSize(50, 67)})
    EXPECT_EQ(f1::card(3, logical, 2).size(), logical * 2);
  // Requests that cannot be drawn give nothing rather than a broken picture.
  for (qreal dpr : {0.0, -1.0, std::numeric_limits<qreal>::quiet_NaN()})
    EXPECT_TRUE(f1::card(11, dpr).isNull()) << dpr;
  for (QSize size : {QSize(), QSize(0, 96), QSize(100000, 100000)})
    EXPECT_TRUE(f1::card(11, size, 1).isNull()) << size.width();
}

TEST(PictureStore, KeepsThePicturesOfTheLatestDensitiesOnly) {
  EXPECT_EQ(f1::globus(3, 2).cacheKey(), f1::globus(3, 2).cacheKey());
  EXPECT_NE(f1::card(35, 1).cacheKey(), f1::card(35, QSize(75, 100), 1).cacheKey());
  // A table being resized asks for many densities; only the latest few keep
  // their pictures, and a caller that cannot wait gets only what is drawn.
  const QSize own(71, 96);
  EXPECT_TRUE(f1::card_if_drawn(35, own, 1.25).isNull());
  const qint64 first = f1::card(35, 1.25).cacheKey();
  EXPECT_EQ(f1::card_if_drawn(35, own, 1.25).cacheKey(), first);
  for (qreal dpr : {1.3, 1.35, 1.4, 1.45}) f1::card(35, dpr);
  EXPECT_TRUE(f1::card_if_drawn(35, own, 1.25).isNull());
  EXPECT_FALSE(f1::card_if_drawn(35, own, 1.45).isNull());
}

TEST(PictureStore, EveryPictureIsClearlyItsOwn) {
  QList<QImage> backs, portraits, frames;
  QMap<int, QImage> faces;
  for (int k = 0; k < 18; ++k) backs << image(f1::card(10 * k, 1));
  for (int row = 1; row <= 9; ++row) portraits << image(f1::card(row, 1));
  for (int frame = 1; frame <= 14; ++frame) frames << image(f1::globus(frame, 1));
  for (int code = 11; code <= 49; ++code)
    if (is_face(code)) faces[code] = image(f1::card(code, 1));
  // Out of 255, for the most alike pair: the backs share their white margin,
  // the globe frames their sea, the faces their white card.
  EXPECT_GT(closest_pair(backs), 15);
  EXPECT_GT(closest_pair(portraits), 15);
  EXPECT_GT(closest_pair(frames), 2);
  EXPECT_GT(closest_pair(faces.values()), 1);
  // Every back: a white margin round a field the pattern covers.
  for (const QImage& back : backs) {
    EXPECT_TRUE(white(back.pixel(2, 48)));
    EXPECT_LT(count_pixels(back.copy(8, 8, 55, 80), white), 55 * 80 / 30);
  }
  for (const auto& [code, face] : faces.asKeyValueRange()) {
    SCOPED_TRACE(code);
    // Hearts and diamonds in red, the others in black, on a white card with see-through corners.
    EXPECT_GT(count_pixels(face, code < 30 ? red : dark), 60);
    EXPECT_EQ(count_pixels(face, red) == 0, code > 30);
    EXPECT_GT(count_pixels(face, white), 71 * 96 / 3);
    EXPECT_TRUE(qAlpha(face.pixel(0, 0)) == 0 && qAlpha(face.pixel(70, 95)) == 0 &&
                qAlpha(face.pixel(35, 48)) == 255);
    // Number cards carry as many pips as their rank; an ace one.
    if (const int rank = code % 10; rank <= 5 || rank == 9) {
      EXPECT_EQ(pips(face), rank == 9 ? 1 : rank + 5);
    }
  }
}

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
