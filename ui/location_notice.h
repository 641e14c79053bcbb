// frmLoad_location_first: asks for a location file when "Select Loc'n" finds
// the location list empty.
#pragma once

#include <QWidget>

namespace orvexal {

class LocationNotice : public QWidget {
    Q_OBJECT

public:
    explicit LocationNotice(QWidget* parent = nullptr);
};

}  // namespace orvexal
