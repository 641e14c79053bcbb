// frmAbout: the program's name and version. It has no buttons; its own close
// control and the Esc key hide it.
#pragma once

#include <QDialog>

namespace orvexal {

class AboutBox : public QDialog {
    Q_OBJECT

public:
    explicit AboutBox(QWidget* parent = nullptr);
};

}  // namespace orvexal
