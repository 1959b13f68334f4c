#include "records/chart_labels.h"

#include <algorithm>

namespace {

// The dots sorted by x, so that a box is checked against the dots below it only.
class DotIndex {
  public:
    DotIndex(std::span<const QPointF> dots, double size) : half_(size / 2) {
        dots_.assign(dots.begin(), dots.end());
        std::sort(dots_.begin(), dots_.end(),
                  [](const QPointF& a, const QPointF& b) { return a.x() < b.x(); });
    }

    bool hits(const QRectF& box) const {
        auto it = std::lower_bound(dots_.begin(), dots_.end(), box.left() - half_,
                                   [](const QPointF& p, double x) { return p.x() < x; });
        for (; it != dots_.end() && it->x() <= box.right() + half_; ++it)
            if (box.intersects(QRectF(it->x() - half_, it->y() - half_, 2 * half_, 2 * half_)))
                return true;
        return false;
    }

  private:
    double half_;
    std::vector<QPointF> dots_;
};

// Boxes of a label of the given size around a dot, nearest first: beside the dot above and
// below it, at its height, centred over and under it, then a line and two lines further up
// or down at either side.
std::vector<QRectF> candidates(const QPointF& dot, const QSizeF& size, double gap) {
    const double w = size.width();
    const double h = size.height();
    const double right = dot.x() + gap;
    const double left = dot.x() - gap - w;
    const double above = dot.y() - gap - h;
    const double below = dot.y() + gap;
    std::vector<QRectF> boxes;
    for (const QPointF& at :
         {QPointF(right, above), QPointF(right, below), QPointF(left, above), QPointF(left, below),
          QPointF(right, dot.y() - h / 2), QPointF(left, dot.y() - h / 2),
          QPointF(dot.x() - w / 2, above), QPointF(dot.x() - w / 2, below)})
        boxes.emplace_back(at, size);
    for (int lines = 1; lines <= 2; ++lines)
        for (double x : {right, left}) {
            boxes.emplace_back(QPointF(x, above - lines * h), size);
            boxes.emplace_back(QPointF(x, below + lines * h), size);
        }
    return boxes;
}

}  // namespace

std::vector<PlacedLabel> placeChartLabels(std::span<const ChartLabel> labels,
                                          std::span<const QPointF> dots, double dotSize,
                                          const QRectF& frame, std::span<const QRectF> taken) {
    const DotIndex dotIndex(dots, dotSize);
    const double gap = dotSize / 2 + dotSize / 5;
    std::vector<PlacedLabel> placed;
    const auto free = [&](const QRectF& box) {
        if (!frame.contains(box) || dotIndex.hits(box)) return false;
        for (const PlacedLabel& other : placed)
            if (box.intersects(other.box)) return false;
        return std::none_of(taken.begin(), taken.end(),
                            [&](const QRectF& t) { return box.intersects(t); });
    };
    for (int i = static_cast<int>(labels.size()) - 1; i >= 0; --i) {
        const ChartLabel& label = labels[static_cast<size_t>(i)];
        const std::vector<QRectF> full = candidates(label.dot, label.size, gap);
        const std::vector<QRectF> brief = candidates(label.dot, label.shortSize, gap);
        // Near places in full, then near places shortened, then the farther ones.
        const struct {
            const std::vector<QRectF>& boxes;
            const QString& text;
            size_t from, to;
        } tries[] = {{full, label.text, 0, 8},
                     {brief, label.shortText, 0, 8},
                     {full, label.text, 8, full.size()},
                     {brief, label.shortText, 8, brief.size()}};
        bool done = false;
        for (const auto& attempt : tries) {
            for (size_t k = attempt.from; k < attempt.to && !done; ++k)
                if (free(attempt.boxes[k])) {
                    placed.push_back({i, attempt.text, attempt.boxes[k]});
                    done = true;
                }
            if (done) break;
        }
    }
    return placed;
}
