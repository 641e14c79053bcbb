// frmHelp1 .. frmHelp3: the help pages, fixed text on white with buttons to
// the neighbouring pages and to leave.
#pragma once

#include <QDialog>

#include "ui/help_texts.h"

namespace orvexal {

class HelpPage : public QDialog {
    Q_OBJECT

public:
    explicit HelpPage(const HelpPageDesign& design, QWidget* parent = nullptr);

signals:
    // The page has hidden itself to make way for the page before or after.
    void PreviousPage();
    void NextPage();

private:
    void AddPageButton(const char* name, const QString& text, const Place& place,
                       void (HelpPage::*pageSignal)());
};

}  // namespace orvexal
