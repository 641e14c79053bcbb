#include "ui/controls.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>

#include "pass/fields.h"

namespace orvexal {
namespace {

// The room kept right of and below the outermost controls of a window that
// had to grow.
constexpr double kMarginTwips = 75;

QFont FaceFont(const QString& family, QFont::StyleHint hint, double points, QFont::Weight weight)
{
    QFont font(family);
    font.setStyleHint(hint);
    font.setPointSizeF(points);
    font.setWeight(weight);
    return font;
}

// The room kept between a text and the control right of it.
constexpr double kGapTwips = 60;

// A word-wrapped label is widened until its text takes no more lines than its
// height holds; any other label until its text fits on one line.
void FitToText(QLabel* label)
{
    if (label->wordWrap()) {
        const int widest = label->sizeHint().width();
        int width = label->width();
        while (width < widest && label->heightForWidth(width) > label->height()) {
            ++width;
        }
        label->resize(width, qMax(label->height(), label->heightForWidth(width)));
        return;
    }
    label->resize(label->size().expandedTo(label->sizeHint()));
}

bool ShareRows(const QRect& a, const QRect& b)
{
    return a.top() <= b.bottom() && b.top() <= a.bottom();
}

void SetPaletteColour(QWidget* widget, QPalette::ColorRole role, const QColor& colour)
{
    QPalette palette = widget->palette();
    palette.setColor(role, colour);
    widget->setPalette(palette);
}

}  // namespace

QFont SansSerifFont(double points, QFont::Weight weight)
{
    return FaceFont(QStringLiteral("Sans Serif"), QFont::SansSerif, points, weight);
}

QFont SerifFont(double points, QFont::Weight weight)
{
    return FaceFont(QStringLiteral("Serif"), QFont::Serif, points, weight);
}

void SetUpWindow(QWidget* window, const char* name, const QString& caption)
{
    window->setObjectName(QLatin1String(name));
    window->setWindowTitle(caption);
    window->setFont(SansSerifFont(8.25));
}

void SetBackground(QWidget* widget, const QColor& colour)
{
    SetPaletteColour(widget, QPalette::Window, colour);
    widget->setAutoFillBackground(true);
}

void SetTextColour(QWidget* widget, const QColor& colour)
{
    SetPaletteColour(widget, QPalette::WindowText, colour);
}

QLabel* AddLabel(QWidget* parent, const char* name, const QString& text, const Place& place,
                 const QFont& font, bool wordWrap)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    label->setFont(font);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setWordWrap(wordWrap);
    label->setGeometry(PixelRect(place));
    FitToText(label);
    return label;
}

QLineEdit* AddLineEdit(QWidget* parent, const char* name, const QString& text, const Place& place)
{
    auto* box = new QLineEdit(text, parent);
    box->setObjectName(QLatin1String(name));
    box->setMaxLength(kMaxFieldLength);  // what the data files read back
    box->setGeometry(PixelRect(place));
    return box;
}

QPushButton* AddButton(QWidget* parent, const char* name, const QString& text, const Place& place)
{
    auto* button = new QPushButton(text, parent);
    button->setObjectName(QLatin1String(name));
    button->setGeometry(PixelRect(place));
    return button;
}

QRect InkRect(const QWidget* control)
{
    const auto* label = qobject_cast<const QLabel*>(control);
    if (label == nullptr) {
        return control->geometry();
    }
    const int flags = int(label->alignment()) | (label->wordWrap() ? Qt::TextWordWrap : 0);
    return label->fontMetrics().boundingRect(label->geometry(), flags, label->text());
}

void ClearColumn(QWidget* form, int edge)
{
    const QList<QWidget*> controls = form->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    int shift = 0;
    for (const QWidget* left : controls) {
        const QRect ink = InkRect(left);
        for (const QWidget* right : controls) {
            if (left->x() < edge && right->x() >= edge && ShareRows(ink, InkRect(right))) {
                shift = qMax(shift, ink.right() + 1 + Pixels(kGapTwips) - right->x());
            }
        }
    }
    for (QWidget* control : controls) {
        if (control->x() >= edge) {
            control->move(control->x() + shift, control->y());
        }
    }
}

QSize ReachWithMargin(const QWidget* window)
{
    const QRect reach = window->childrenRect();
    const int margin = Pixels(kMarginTwips);
    return {reach.right() + 1 + margin, reach.bottom() + 1 + margin};
}

void SetClientSize(QWidget* window, double widthTwips, double heightTwips)
{
    window->resize(QSize(Pixels(widthTwips), Pixels(heightTwips)).expandedTo(ReachWithMargin(window)));
}

void ShowStale(QLineEdit* box, bool stale)
{
    if (!stale) {
        box->setPalette(QPalette());  // the window's colours again
        return;
    }
    QPalette palette = box->palette();
    for (const QPalette::ColorRole role : {QPalette::Text, QPalette::Base}) {
        const QColor disabled = palette.color(QPalette::Disabled, role);
        palette.setColor(QPalette::Active, role, disabled);
        palette.setColor(QPalette::Inactive, role, disabled);
    }
    box->setPalette(palette);
}

void BringUp(QWidget* window)
{
    window->show();
    window->raise();
    window->activateWindow();
}

void ShowMessage(QWidget* parent, const QString& text, QMessageBox::Icon icon)
{
    QMessageBox box(icon, QLatin1String(kApplicationTitle), text, QMessageBox::Ok, parent);
    box.exec();
}

}  // namespace orvexal
