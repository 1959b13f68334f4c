#pragma once

#include <QFont>
#include <QRectF>

#include "records/chart_source.h"

class QPainter;

// Draws one chart card on a page (the chart area on screen or a printed page): the title,
// the text block at the right half, the framed plot with its seconds axis at the left half,
// red and blue dots and the labels of the best runs. `top` is the card's top in the page's
// units. The same routine serves screen and printer, so what is printed is what is shown.
void drawChartCard(QPainter& painter, const QRectF& page, double top, const ChartCard& card,
                   const QFont& font);

// Draws the cards of one screen or page, each at its top.
void drawChartPage(QPainter& painter, const QRectF& page, const ChartPage& cards,
                   const QFont& font);
