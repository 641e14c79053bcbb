// Building blocks shared by the windows: fonts, colours, controls placed in
// twips, and the program's message box.
#pragma once

#include <QColor>
#include <QFont>
#include <QMessageBox>
#include <QSize>
#include <QString>

#include "ui/twips.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

namespace orvexal {

// The title of every message box.
inline constexpr char kApplicationTitle[] = "Orvexal";

// The platform's sans-serif or serif face at a point size.
QFont SansSerifFont(double points, QFont::Weight weight = QFont::Bold);
QFont SerifFont(double points, QFont::Weight weight = QFont::Bold);

// Names a window and gives it its caption and the designed default font,
// sans-serif 8.25 pt bold.
void SetUpWindow(QWidget* window, const char* name, const QString& caption);

void SetBackground(QWidget* widget, const QColor& colour);
void SetTextColour(QWidget* widget, const QColor& colour);

// A plain-text label at its place in a font. It is widened rightward and made
// taller where its text needs more room, so the whole text shows; a
// word-wrapped label only grows downward.
QLabel* AddLabel(QWidget* parent, const char* name, const QString& text, const Place& place,
                 const QFont& font, bool wordWrap = false);
QLineEdit* AddLineEdit(QWidget* parent, const char* name, const QString& text, const Place& place);
QPushButton* AddButton(QWidget* parent, const char* name, const QString& text, const Place& place);

// Where a control shows something: the text of a label, the whole of any
// other control.
QRect InkRect(const QWidget* control);

// The platform's face may be wider than the designed one. Moves the controls
// of a form that stand at or right of a column edge (pixels) to the right,
// far enough that whatever stands left of the edge in the same rows keeps a
// small gap to them.
void ClearColumn(QWidget* form, int edge);

// The size that holds every control of a window with a margin right of and
// below them.
QSize ReachWithMargin(const QWidget* window);

// Sizes a window's client area to its designed twips, grown where its
// controls reach further, so that a margin stays right of and below them.
void SetClientSize(QWidget* window, double widthTwips, double heightTwips);

// Draws a box in the colours of a disabled one while its text is left from
// an earlier calculation; it stays selectable and copyable.
void ShowStale(QLineEdit* box, bool stale);

// Shows a window that exists once: brought up again when already open.
void BringUp(QWidget* window);

// A modal message box with a single OK button and the program's title.
void ShowMessage(QWidget* parent, const QString& text, QMessageBox::Icon icon);

}  // namespace orvexal
