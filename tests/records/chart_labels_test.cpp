#include "records/chart_labels.h"

#include <gtest/gtest.h>

#include <QLineF>
#include <vector>

namespace {

constexpr double kDot = 5;

ChartLabel label(QPointF dot) {
    return {dot, QStringLiteral("48秒 2026/11/30"), QSizeF(90, 10), QStringLiteral("48秒 11/30"),
            QSizeF(54, 10)};
}

QRectF dotBox(QPointF p) {
    return QRectF(p.x() - kDot / 2, p.y() - kDot / 2, kDot, kDot);
}

}  // namespace

// A run of new bests on consecutive days: dots close together, each a little lower.
TEST(ChartLabels, CrowdedBestsStayApartInsideAndOffTheDots) {
    const QRectF frame(0, 0, 300, 100);
    std::vector<QPointF> dots;
    std::vector<ChartLabel> labels;
    for (int k = 0; k < 12; ++k) {
        dots.emplace_back(20 + 22 * k, 20 + 4 * k);
        if (k % 2 == 0 || k < 6) labels.push_back(label(dots.back()));
    }
    const QRectF axisText(0, 40, 15, 10);
    const std::vector<PlacedLabel> placed =
        placeChartLabels(labels, dots, kDot, frame, {&axisText, 1});
    ASSERT_FALSE(placed.empty());
    EXPECT_EQ(placed.front().index, static_cast<int>(labels.size()) - 1);  // the newest best
    for (size_t i = 0; i < placed.size(); ++i) {
        EXPECT_TRUE(frame.contains(placed[i].box)) << i;
        EXPECT_FALSE(placed[i].box.intersects(axisText)) << i;
        for (const QPointF& d : dots) EXPECT_FALSE(placed[i].box.intersects(dotBox(d))) << i;
        for (size_t j = i + 1; j < placed.size(); ++j)
            EXPECT_FALSE(placed[i].box.intersects(placed[j].box)) << i << " " << j;
    }
}

TEST(ChartLabels, ShortenedWhereTheFullTextHasNoRoomLeftOutWhereNothingFits) {
    const struct {
        QRectF frame;
        const char* text;  // nullptr: left out
    } cases[] = {
        {{0, 0, 300, 100}, "48秒 2026/11/30"},
        {{0, 0, 80, 100}, "48秒 11/30"},  // narrower than the full text
        {{0, 0, 40, 100}, nullptr},       // narrower than the short one
    };
    for (const auto& c : cases) {
        const QPointF dot = c.frame.center();
        const std::vector<ChartLabel> labels{label(dot)};
        const std::vector<PlacedLabel> placed = placeChartLabels(labels, {&dot, 1}, kDot, c.frame);
        if (!c.text) {
            EXPECT_TRUE(placed.empty());
            continue;
        }
        ASSERT_EQ(placed.size(), 1u) << c.text;
        EXPECT_EQ(placed[0].text, QString::fromUtf8(c.text));
        EXPECT_LT(QLineF(placed[0].box.center(), dot).length(), 60) << c.text;  // next to it
    }
}
