#include "ui/almanac_panel.h"

#include <QFontMetricsF>
#include <QPainter>
#include <algorithm>
#include <limits>

namespace orvexal {
namespace {

// Room before a heading and between a label and its value, and the indent
// of the lines under a heading, in widths of an average character.
constexpr double kHeadingGap = 0.8;
constexpr double kValueGap = 2;
constexpr double kIndent = 1;

const QColor kRule(128, 128, 128);

constexpr int kWrapped = Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap;

QFont Bold(QFont font)
{
    font.setBold(true);
    return font;
}

// Lays the lines out one below the other from the top of an area, and
// draws each that fits whole when it has a painter.
class Layout {
public:
    Layout(const QFont& font, const QPaintDevice* device, const QRectF& area, QPainter* painter)
        : bold_(Bold(font)), plain_(font, device), heading_(bold_, device), area_(area),
          inner_(area.adjusted(kIndent * plain_.averageCharWidth(), 0, 0, 0)), painter_(painter), y_(area.top())
    {
    }

    void Add(const AlmanacLine& line)
    {
        switch (line.kind) {
        case AlmanacLine::Kind::Heading:
            Heading(line.label);
            break;
        case AlmanacLine::Kind::Phrase:
            y_ += Wrapped(line.label);
            break;
        case AlmanacLine::Kind::Entry:
            Entry(line);
            break;
        }
    }

    double Height() const { return y_ - area_.top(); }

private:
    void Heading(const QString& text)
    {
        y_ += y_ == area_.top() ? 0 : kHeadingGap * plain_.height();
        const QRectF box(area_.left(), y_, area_.width(), heading_.height());
        if (Fits(box)) {
            painter_->save();
            painter_->setFont(bold_);
            painter_->drawText(box, Qt::AlignLeft | Qt::AlignVCenter, text);
            painter_->setPen(kRule);
            painter_->drawLine(box.bottomLeft(), box.bottomRight());
            painter_->restore();
        }
        y_ += heading_.height() + 2;
    }

    // The label, and its value right-aligned on its last line, or on the
    // line below where the two do not fit side by side.
    void Entry(const AlmanacLine& line)
    {
        const double beside = plain_.horizontalAdvance(line.label) + kValueGap * plain_.averageCharWidth()
                              + plain_.horizontalAdvance(line.value);
        const double labelHeight = Wrapped(line.label);
        const double valueTop = y_ + (beside > inner_.width() ? labelHeight : labelHeight - plain_.height());
        Draw(QRectF(inner_.left(), valueTop, inner_.width(), plain_.height()), Qt::AlignRight | Qt::AlignTop,
             line.value);
        y_ = valueTop + plain_.height();
    }

    // Draws a text wrapped to the inner width at the current line; gives its height.
    double Wrapped(const QString& text)
    {
        const QRectF top(inner_.left(), y_, inner_.width(), 0);
        const double height = plain_.boundingRect(top, kWrapped, text).height();
        Draw(QRectF(inner_.left(), y_, inner_.width(), height), kWrapped, text);
        return height;
    }

    void Draw(const QRectF& box, int flags, const QString& text)
    {
        if (Fits(box)) {
            painter_->drawText(box, flags, text);
        }
    }

    bool Fits(const QRectF& box) const { return painter_ != nullptr && box.bottom() <= area_.bottom(); }

    QFont bold_;
    QFontMetricsF plain_;
    QFontMetricsF heading_;
    QRectF area_;
    QRectF inner_;
    QPainter* painter_;
    double y_;
};

double LayOut(const std::vector<AlmanacLine>& lines, const QFont& font, const QPaintDevice* device,
              const QRectF& area, QPainter* painter)
{
    Layout layout(font, device, area, painter);
    for (const AlmanacLine& line : lines) {
        layout.Add(line);
    }
    return layout.Height();
}

}  // namespace

double AlmanacWidth(const std::vector<AlmanacLine>& lines, const QFont& font, const QPaintDevice* device)
{
    const QFontMetricsF plain(font, device);
    const QFontMetricsF heading(Bold(font), device);
    const double character = plain.averageCharWidth();
    double width = 0;
    for (const AlmanacLine& line : lines) {
        const double needed = line.kind == AlmanacLine::Kind::Heading ? heading.horizontalAdvance(line.label)
                              : line.kind == AlmanacLine::Kind::Entry
                                  ? kIndent * character + plain.horizontalAdvance(line.label)
                                        + kValueGap * character + plain.horizontalAdvance(line.value)
                                  : 0;
        width = std::max(width, needed);
    }
    return std::ceil(width) + 1;
}

double AlmanacHeight(const std::vector<AlmanacLine>& lines, const QFont& font, const QPaintDevice* device,
                     double width)
{
    return LayOut(lines, font, device, QRectF(0, 0, width, std::numeric_limits<double>::max()), nullptr);
}

void PaintAlmanac(QPainter& painter, const QRectF& area, const std::vector<AlmanacLine>& lines)
{
    LayOut(lines, painter.font(), painter.device(), area, &painter);
}

}  // namespace orvexal
