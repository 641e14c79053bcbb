#include "ui/night_window.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include "numbers/units.h"
#include "ui/controls.h"
#include "ui/night_chart.h"
#include "ui/night_texts.h"

namespace orvexal {
namespace {

constexpr int kMillisecondsPerSecond = 1000;

}  // namespace

NightWindow::NightWindow(Clock clock, QWidget* parent) : QWidget(parent, Qt::Window), clock_(std::move(clock))
{
    SetUpWindow(this, "frmNight", tr("Night"));
    setFont(SansSerifFont(9, QFont::Normal));
    chart_ = new NightChart(this);
    save_ = new QPushButton(tr("&Save image..."), this);
    save_->setObjectName(QStringLiteral("Command1"));
    close_ = new QPushButton(tr("&Close"), this);
    close_->setObjectName(QStringLiteral("Command2"));
    minute_ = new QTimer(this);
    minute_->setSingleShot(true);
    save_->setEnabled(false);  // until there is a chart

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(save_);
    buttons->addWidget(close_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(chart_, 1);
    layout->addLayout(buttons);

    connect(save_, &QPushButton::clicked, this, &NightWindow::AskAndSaveImage);
    connect(close_, &QPushButton::clicked, this, &QWidget::close);
    connect(minute_, &QTimer::timeout, this, &NightWindow::ShowNow);
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

// A site off the Earth has no night: its message instead of a chart.
void NightWindow::Chart()
{
    if (!inputs_) {
        return;
    }
    charted_ = true;
    if (LatitudeOnEarth(inputs_->site)) {
        track_ = ComputeNightTrack(*inputs_);
        chart_->SetNight(*inputs_, *track_);
        ShowNow();
    } else {
        track_.reset();
        chart_->SetMessage(LatitudeMessage(inputs_->site.latitudeNorthDeg));
    }
    save_->setEnabled(track_.has_value());
}

// The present moment on the chart, again at the start of the next minute
// of the clock.
void NightWindow::ShowNow()
{
    if (!track_) {
        return;
    }
    const DateTime now = clock_();
    chart_->SetNow(NightHoursOf(inputs_->localMidnight, JulianDateOfUtc(now)));
    minute_->start((int(kSecondsPerMinute) - now.second) * kMillisecondsPerSecond);
}

void NightWindow::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    ShowNow();
}

void NightWindow::hideEvent(QHideEvent* event)
{
    geometry_ = saveGeometry();
    minute_->stop();
    QWidget::hideEvent(event);
}

bool NightWindow::SaveImage(const QString& path, ImageFormat format) const
{
    return chart_->SaveImage(path, format, track_ ? NightTitle(*inputs_) : windowTitle());
}

void NightWindow::AskAndSaveImage()
{
    const std::optional<ImageFile> file = AskImageFile(this, ImageBaseName(*inputs_));
    if (file && !SaveImage(file->path, file->format)) {
        ShowMessage(this, tr("The image could not be saved."), QMessageBox::Warning);
    }
}

}  // namespace orvexal
