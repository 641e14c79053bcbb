#include "ui/about_box.h"

#include <QLabel>

#include "ui/controls.h"

namespace orvexal {

AboutBox::AboutBox(QWidget* parent) : QDialog(parent)
{
    SetUpWindow(this, "frmAbout", tr("About"));
    SetBackground(this, QColor(192, 255, 192));
    SetTextColour(this, Qt::black);
    const QFont font = this->font();

    QLabel* name = AddLabel(this, "Label1", tr("Orvexal"), {120, 120, 4455, 375}, SerifFont(13.5));
    SetTextColour(name, QColor(0, 0, 128));
    AddLabel(this, "Label6", tr("Version 42a of 2018-06-07"), {120, 960, 4455, 255}, font);
    AddLabel(this, "Label7", QString(61, QLatin1Char('-')), {120, 1200, 4455, 255}, font);
    AddLabel(this, "Label3", QString(), {120, 1440, 4455, 255}, font);
    SetClientSize(this, 4710, 2505);
}

}  // namespace orvexal
