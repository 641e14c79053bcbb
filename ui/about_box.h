// frmAbout: the program's name and version. It has no buttons; its own close
// control hides it.
#pragma once

#include <QWidget>

namespace orvexal {

class AboutBox : public QWidget {
    Q_OBJECT

public:
    explicit AboutBox(QWidget* parent = nullptr);
};

}  // namespace orvexal
