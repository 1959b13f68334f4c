#pragma once

#include <QPointF>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <span>
#include <vector>

// Where the labels of a plot's best runs go: next to their dots, inside the plot's frame,
// clear of each other, of every dot and of any other text. A label that finds no room in
// full ("48秒 2026/11/30") is tried shortened ("48秒 11/30"), first right beside its dot,
// then a line or two above or below; one that finds no room at all is left out (its red
// dot still marks the best run). All positions are in the page's units.

struct ChartLabel {
    QPointF dot;  // the centre of the dot it names
    QString text;
    QSizeF size;  // of the text's box: advance by ascent + descent
    QString shortText;
    QSizeF shortSize;
};

struct PlacedLabel {
    int index = 0;  // into the labels asked for
    QString text;
    QRectF box;  // the text's box; the baseline is its top + the font's ascent
};

// Places the labels, the last (the newest best) first, so that the current best time is
// always named. `dotSize` is the width of a dot; `taken` are boxes of other texts.
std::vector<PlacedLabel> placeChartLabels(std::span<const ChartLabel> labels,
                                          std::span<const QPointF> dots, double dotSize,
                                          const QRectF& frame, std::span<const QRectF> taken = {});
