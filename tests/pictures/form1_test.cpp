#include "form1.h"

#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QImage>
#include <QSet>

#include <cmath>
#include <functional>
#include <limits>

namespace f1 = blefino::form1;

namespace {

QSet<int> faces()
{
    QSet<int> s;
    for (int suit = 1; suit <= 4; ++suit)
        for (int rank = 1; rank <= 9; ++rank)
            s.insert(suit * 10 + rank);
    return s;
}

QImage image(const QPixmap& pm) { return pm.toImage().convertToFormat(QImage::Format_ARGB32); }

// Mean difference per channel (0..255) between two pictures of the same size.
double difference(const QImage& a, const QImage& b)
{
    double sum = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            sum += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) +
                   std::abs(qBlue(p) - qBlue(q)) + std::abs(qAlpha(p) - qAlpha(q));
        }
    return sum / (4.0 * a.width() * a.height());
}

// The smallest difference between any two of the pictures.
double closest_pair(const QList<QImage>& images)
{
    double least = std::numeric_limits<double>::max();
    for (int i = 0; i < images.size(); ++i)
        for (int j = i + 1; j < images.size(); ++j)
            least = std::min(least, difference(images[i], images[j]));
    return least;
}

int count_pixels(const QImage& img, const std::function<bool(QRgb)>& test)
{
    int n = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            n += test(img.pixel(x, y));
    return n;
}

bool red(QRgb p) { return qAlpha(p) > 200 && qRed(p) > 150 && qGreen(p) < 90 && qBlue(p) < 90; }
bool dark(QRgb p) { return qAlpha(p) > 200 && qRed(p) < 80 && qGreen(p) < 80 && qBlue(p) < 80; }
bool white(QRgb p) { return p == qRgb(255, 255, 255); }

// Separate blobs of suit colour inside the pip field (between the corner indices).
int pips(const QImage& img)
{
    const QRect field(16, 9, 39, 78);
    auto ink = [&](QPoint p) { return field.contains(p) && (red(img.pixel(p)) || dark(img.pixel(p))); };
    QSet<int> seen;
    int blobs = 0;
    for (int y = field.top(); y <= field.bottom(); ++y)
        for (int x = field.left(); x <= field.right(); ++x) {
            if (seen.contains(y * 100 + x) || !ink({x, y}))
                continue;
            ++blobs;
            QList<QPoint> stack{QPoint(x, y)};  // flood the blob
            while (!stack.isEmpty()) {
                const QPoint c = stack.takeLast();
                if (!ink(c) || seen.contains(c.y() * 100 + c.x()))
                    continue;
                seen.insert(c.y() * 100 + c.x());
                stack << c + QPoint(1, 0) << c - QPoint(1, 0) << c + QPoint(0, 1) << c - QPoint(0, 1);
            }
        }
    return blobs;
}

}  // namespace

TEST(PictureStore, HoldsExactlyTheFacesBacksPortraitsAndGlobeFrames)
{
    for (int e = -20; e <= 200; ++e) {
        const bool card = faces().contains(e) || (e >= 0 && e <= 170 && e % 10 == 0);
        const bool portrait = e >= 1 && e <= 9;
        SCOPED_TRACE(e);
        ASSERT_EQ(f1::has_card(e), card || portrait);
        EXPECT_EQ(f1::card_size(e), card ? QSize(71, 96) : portrait ? QSize(100, 120) : QSize());
        if (!card && !portrait)
            EXPECT_TRUE(f1::card(e, 1).isNull());
    }
    // Every multiple of ten is a back (20, 30 and 40 too, though they sit among the
    // faces): a white margin round a field covered by the pattern.
    for (int e = 0; e <= 170; e += 10) {
        const QImage img = image(f1::card(e, 1));
        EXPECT_TRUE(white(img.pixel(2, 48))) << e;
        EXPECT_LT(count_pixels(img.copy(8, 8, 55, 80), white), 55 * 80 / 30) << e;
    }
    for (int frame = -1; frame <= 16; ++frame) {
        EXPECT_EQ(f1::has_globus(frame), frame >= 1 && frame <= 14) << frame;
        EXPECT_EQ(f1::globus(frame, 1).isNull(), !f1::has_globus(frame)) << frame;
    }
}

TEST(PictureStore, PixmapsHaveTheLogicalSizeTimesTheDensity)
{
    struct Ask {
        int element;
        QSize logical;
    };
    const Ask asks[] = {{11, {71, 96}}, {170, {71, 96}}, {9, {100, 120}}, {46, {75, 100}},
                        {3, {104, 112}}, {50, {50, 67}}};
    for (qreal dpr : {1.0, 1.5, 2.0}) {
        for (const Ask& a : asks) {
            const QPixmap pm = f1::card(a.element, a.logical, dpr);
            SCOPED_TRACE(QStringLiteral("element %1 dpr %2").arg(a.element).arg(dpr).toStdString());
            EXPECT_EQ(pm.size(), QSize(qRound(a.logical.width() * dpr), qRound(a.logical.height() * dpr)));
            EXPECT_DOUBLE_EQ(pm.devicePixelRatio(), dpr);
        }
        // At their natural size: a face, a portrait, a globe frame.
        EXPECT_EQ(f1::card(27, dpr).size(), QSize(qRound(71 * dpr), qRound(96 * dpr)));
        EXPECT_EQ(f1::card(7, dpr).size(), QSize(qRound(100 * dpr), qRound(120 * dpr)));
        EXPECT_EQ(f1::globus(5, dpr).size(), QSize(qRound(32 * dpr), qRound(32 * dpr)));
        EXPECT_DOUBLE_EQ(f1::globus(5, dpr).devicePixelRatio(), dpr);
    }
    // Requests that cannot be drawn give nothing rather than a broken picture.
    for (qreal dpr : {0.0, -1.0, std::numeric_limits<qreal>::quiet_NaN()})
        EXPECT_TRUE(f1::card(11, dpr).isNull()) << dpr;
    for (QSize size : {QSize(), QSize(0, 96), QSize(100000, 100000)})
        EXPECT_TRUE(f1::card(11, size, 1).isNull()) << size.width();
}

TEST(PictureStore, RepeatedRequestsComeFromTheCache)
{
    EXPECT_EQ(f1::card(35, 1).cacheKey(), f1::card(35, 1).cacheKey());
    EXPECT_EQ(f1::card(35, QSize(75, 100), 1.5).cacheKey(), f1::card(35, QSize(75, 100), 1.5).cacheKey());
    EXPECT_EQ(f1::globus(3, 2).cacheKey(), f1::globus(3, 2).cacheKey());
    // A different size, density or element is a different picture.
    EXPECT_NE(f1::card(35, 1).cacheKey(), f1::card(35, 2).cacheKey());
    EXPECT_NE(f1::card(35, 1).cacheKey(), f1::card(35, QSize(75, 100), 1).cacheKey());
    EXPECT_NE(f1::card(35, 1).cacheKey(), f1::card(36, 1).cacheKey());

    // A table being resized asks for many densities; only the latest few keep
    // their pictures, and a caller that cannot wait gets only what is drawn.
    const QSize own(71, 96);
    EXPECT_TRUE(f1::card_if_drawn(35, own, 1.25).isNull());
    const qint64 first = f1::card(35, 1.25).cacheKey();
    EXPECT_EQ(f1::card_if_drawn(35, own, 1.25).cacheKey(), first);
    for (qreal dpr : {1.3, 1.35, 1.4, 1.45})
        f1::card(35, dpr);
    EXPECT_TRUE(f1::card_if_drawn(35, own, 1.25).isNull());
    EXPECT_FALSE(f1::card_if_drawn(35, own, 1.45).isNull());
}

TEST(PictureStore, BacksPortraitsAndGlobeFramesAreClearlyDifferent)
{
    QList<QImage> backs, portraits, frames;
    for (int k = 0; k < 18; ++k)
        backs << image(f1::card(10 * k, 1));
    for (int row = 1; row <= 9; ++row)
        portraits << image(f1::card(row, 1));
    for (int frame = 1; frame <= 14; ++frame)
        frames << image(f1::globus(frame, 1));
    // Mean difference per channel, out of 255, for the most alike pair. The backs share
    // their white margin and the globe frames their sea, hence the lower figures there.
    EXPECT_GT(closest_pair(backs), 15);
    EXPECT_GT(closest_pair(portraits), 15);
    EXPECT_GT(closest_pair(frames), 2);
}

TEST(PictureStore, FacesShowTheirSuitColourRankAndRoundedCorners)
{
    QList<QImage> all;
    for (int code : faces()) {
        const QImage img = image(f1::card(code, 1));
        const int suit = code / 10, rank = code % 10;
        SCOPED_TRACE(code);
        // Hearts and diamonds in red, the others in black, on a white card.
        EXPECT_GT(count_pixels(img, suit <= 2 ? red : dark), 60);
        if (suit > 2)
            EXPECT_EQ(count_pixels(img, red), 0);
        EXPECT_GT(count_pixels(img, white), 71 * 96 / 3);
        // Rounded, see-through corners.
        EXPECT_EQ(qAlpha(img.pixel(0, 0)), 0);
        EXPECT_EQ(qAlpha(img.pixel(70, 95)), 0);
        EXPECT_EQ(qAlpha(img.pixel(35, 48)), 255);
        // Number cards carry as many pips as their rank; an ace one.
        if (rank <= 5 || rank == 9)
            EXPECT_EQ(pips(img), rank == 9 ? 1 : rank + 5);
        all << img;
    }
    EXPECT_GT(closest_pair(all), 1);
}

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
