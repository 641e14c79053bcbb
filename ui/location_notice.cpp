#include "ui/location_notice.h"

#include <QPushButton>

#include "ui/controls.h"

namespace orvexal {
namespace {

struct NoticeLine {
    const char* name;
    const char* text;
    double top;
};

constexpr NoticeLine kLines[] = {
    {"Label1", "You need to open the location file.", 120},
    {"Label2", "Use [menu] File > Open ...", 480},
    {"Label3", "Or just enter location data manually.", 840},
};

}  // namespace

LocationNotice::LocationNotice(QWidget* parent) : QWidget(parent, Qt::Window)
{
    SetUpWindow(this, "frmLoad_location_first", tr("Form1"));
    SetBackground(this, QColor(255, 192, 255));
    const QFont font = SansSerifFont(12);
    for (const NoticeLine& line : kLines) {
        AddLabel(this, line.name, QString::fromUtf8(line.text), {480, line.top, 4455, 375}, font);
    }
    QPushButton* ok = AddButton(this, "Command1", tr("OK"), {1920, 1320, 1455, 375});
    connect(ok, &QPushButton::clicked, this, &QWidget::hide);
    SetClientSize(this, 5130, 1800);
}

}  // namespace orvexal
