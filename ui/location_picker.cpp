#include "ui/location_picker.h"

#include <QListWidget>
#include <QPushButton>

#include "app/location_fields.h"
#include "ui/controls.h"

namespace orvexal {

LocationPicker::LocationPicker(const LocationList& locations, FieldTexts& fields, QWidget* parent)
    : QDialog(parent), locations_(locations), fields_(fields)
{
    SetUpWindow(this, "frmSelectLocation", tr("Select Location"));
    names_ = new QListWidget(this);
    names_->setObjectName(QStringLiteral("List1"));
    names_->setGeometry(PixelRect({360, 360, 3375, 2760}));
    ok_ = AddButton(this, "Command1", tr("OK"), {3960, 360, 1095, 375});
    cancel_ = AddButton(this, "Command2", tr("Cancel"), {3960, 960, 1095, 375});
    ok_->setDefault(true);
    ConnectSignals();
    SetClientSize(this, 5160, 3450);
}

void LocationPicker::ConnectSignals()
{
    connect(names_, &QListWidget::itemClicked, this, &LocationPicker::CopySelected);
    connect(names_, &QListWidget::itemDoubleClicked, this, [this] {
        CopySelected();
        hide();
    });
    connect(ok_, &QPushButton::clicked, this, [this] {
        CopySelected();
        hide();
    });
    connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);
}

void LocationPicker::ShowList()
{
    names_->clear();
    for (const LocationRecord& site : locations_) {
        names_->addItem(QString::fromStdString(site.name));
    }
    BringUp(this);
}

// List position p stands for site p of the list. Without a selection
// nothing is copied.
void LocationPicker::CopySelected()
{
    const QListWidgetItem* item = names_->currentItem();
    if (item != nullptr && item->isSelected()) {
        CopyLocationToFields(locations_, static_cast<std::size_t>(names_->row(item)), fields_);
    }
}

}  // namespace orvexal
