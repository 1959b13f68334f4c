#pragma once

#include <QFont>
#include <QRectF>
#include <QString>
#include <vector>

#include "records/chart_source.h"

class QPainter;

// Draws one chart card on a page (the chart area on screen or a printed page): the title,
// the text block at the right edge, the framed plot with its seconds axis over the rest of
// the width, red and blue dots and the labels of the best runs, placed clear of each other
// and of the dots. `top` is the card's top in the page's units. The same routine serves
// screen and printer, so what is printed is what is shown. Returns the boxes of every text
// it drew.
std::vector<QRectF> drawChartCard(QPainter& painter, const QRectF& page, double top,
                                  const ChartCard& card, const QFont& font);

// Draws the cards of one screen or page, each at its top, under the header line (see
// chartHeader). Returns the boxes of every text drawn.
std::vector<QRectF> drawChartPage(QPainter& painter, const QRectF& page, const ChartPage& cards,
                                  const QFont& font, const QString& header = QString());
