// frmSelectLocation: picks a site of the loaded location list and copies it
// into the main window's location fields. Enter is "OK", Esc "Cancel".
#pragma once

#include <QDialog>

#include "data/location_list.h"
#include "pass/fields.h"

class QListWidget;
class QPushButton;

namespace orvexal {

class LocationPicker : public QDialog {
    Q_OBJECT

public:
    LocationPicker(const LocationList& locations, FieldTexts& fields, QWidget* parent = nullptr);

    // Lists the names of the current location list, in file order, and
    // shows the picker (brought up again when it is open already).
    void ShowList();

private:
    void ConnectSignals();
    void CopySelected();

    const LocationList& locations_;
    FieldTexts& fields_;
    QListWidget* names_ = nullptr;
    QPushButton* ok_ = nullptr;
    QPushButton* cancel_ = nullptr;
};

}  // namespace orvexal
