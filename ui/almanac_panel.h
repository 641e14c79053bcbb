// The almanac beside the night chart, drawn on any paint device: headings
// in bold over a thin rule, each label at the left with its value at the
// right, a phrase wrapped to the width. A value that does not fit beside its
// label goes on the line below it, right-aligned.
#pragma once

#include <QFont>
#include <vector>

#include "ui/night_texts.h"

class QPaintDevice;
class QPainter;
class QRectF;

namespace orvexal {

// The width that holds every heading and every label beside its value on
// one line, in a font on a device (pixels of the device).
double AlmanacWidth(const std::vector<AlmanacLine>& lines, const QFont& font, const QPaintDevice* device);

// The height the lines take at a width.
double AlmanacHeight(const std::vector<AlmanacLine>& lines, const QFont& font, const QPaintDevice* device,
                     double width);

// Draws the lines from the top of the area down, in the painter's font and
// pen; lines below its bottom are left out whole.
void PaintAlmanac(QPainter& painter, const QRectF& area, const std::vector<AlmanacLine>& lines);

}  // namespace orvexal
