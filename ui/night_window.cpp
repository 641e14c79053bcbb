#include "ui/night_window.h"

#include <QFileDialog>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/controls.h"
#include "ui/night_chart.h"

namespace orvexal {

NightWindow::NightWindow(QWidget* parent) : QWidget(parent, Qt::Window)
{
    SetUpWindow(this, "frmNight", tr("Night"));
    setFont(SansSerifFont(9, QFont::Normal));
    chart_ = new NightChart(this);
    save_ = new QPushButton(tr("&Save image..."), this);
    save_->setObjectName(QStringLiteral("Command1"));
    close_ = new QPushButton(tr("&Close"), this);
    close_->setObjectName(QStringLiteral("Command2"));

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(save_);
    buttons->addWidget(close_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(chart_, 1);
    layout->addLayout(buttons);

    connect(save_, &QPushButton::clicked, this, &NightWindow::AskAndSaveImage);
    connect(close_, &QPushButton::clicked, this, &QWidget::close);
}

void NightWindow::Follow(const NightInputs& inputs)
{
    inputs_ = inputs;
    charted_ = false;
    if (isVisible()) {
        Chart();
    }
}

void NightWindow::Present()
{
    if (!geometry_.isEmpty()) {
        restoreGeometry(geometry_);
    }
    if (!charted_) {
        Chart();
    }
    BringUp(this);
}

void NightWindow::Chart()
{
    if (!inputs_) {
        return;
    }
    track_ = ComputeNightTrack(*inputs_);
    chart_->SetNight(*inputs_, *track_);
    charted_ = true;
}

void NightWindow::hideEvent(QHideEvent* event)
{
    geometry_ = saveGeometry();
    QWidget::hideEvent(event);
}

bool NightWindow::SaveImage(const QString& path) const
{
    return chart_->grab().save(path, "PNG");
}

void NightWindow::AskAndSaveImage()
{
    const QString path =
        QFileDialog::getSaveFileName(this, tr("Save image"), QStringLiteral("night.png"), tr("PNG images (*.png)"));
    if (!path.isEmpty() && !SaveImage(path)) {
        ShowMessage(this, tr("The image could not be saved."), QMessageBox::Warning);
    }
}

}  // namespace orvexal
