#include "ui/help_page.h"

#include <QPushButton>

#include "ui/controls.h"

namespace orvexal {
namespace {

// The height of one line of text on a page, twips.
constexpr double kLineHeight = 240;

}  // namespace

// "&Exit" and the Esc key reject the page, which hides it; so does the
// window's own close control. Enter presses "&Next Page", the default
// button, which the page focuses when shown; page 3 has none, and there
// Enter presses nothing, also on a focused button.
HelpPage::HelpPage(const HelpPageDesign& design, QWidget* parent) : QDialog(parent)
{
    SetUpWindow(this, design.name, QString::fromUtf8(design.caption));
    SetBackground(this, Qt::white);
    SetTextColour(this, Qt::black);
    const QFont font = this->font();
    for (const HelpLine& line : design.lines) {
        const QString text = QString(line.blanks, QLatin1Char(' ')) + QString::fromUtf8(line.text);
        AddLabel(this, line.name, text, {line.left, line.top, design.lineWidth, kLineHeight}, font);
    }
    if (design.previous) {
        AddPageButton("Command2", tr("&Prev. Page"), *design.previous, &HelpPage::PreviousPage);
    }
    if (design.next) {
        AddPageButton("Command3", tr("&Next Page"), *design.next, &HelpPage::NextPage);
    }
    QPushButton* exit = AddButton(this, "Command1", tr("&Exit"), design.exit);
    connect(exit, &QPushButton::clicked, this, &QDialog::reject);
    if (!design.next) {
        for (QPushButton* button : findChildren<QPushButton*>()) {
            button->setAutoDefault(false);
        }
    }
    SetClientSize(this, design.width, design.height);
}

void HelpPage::AddPageButton(const char* name, const QString& text, const Place& place,
                             void (HelpPage::*pageSignal)())
{
    QPushButton* button = AddButton(this, name, text, place);
    button->setDefault(pageSignal == &HelpPage::NextPage);
    connect(button, &QPushButton::clicked, this, [this, pageSignal] {
        hide();
        emit (this->*pageSignal)();
    });
}

}  // namespace orvexal
