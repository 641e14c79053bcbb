#include "ui/night_window.h"

#include <QFileDialog>
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
    const QString title = track_ ? NightTitle(*inputs_) : windowTitle();
    return SaveDrawing(path, format, chart_->size(), chart_->logicalDpiY(), chart_->devicePixelRatioF(), title,
                       [this](QPainter& painter, const QSizeF& size) { chart_->Paint(painter, size); });
}

// The name is offered without an extension, so that the filter chosen
// decides the format; an extension typed (.png, .pdf, .svg) decides it
// instead. The name gets the format's extension when it has none of them.
void NightWindow::AskAndSaveImage()
{
    QString filter;
    const QString path =
        QFileDialog::getSaveFileName(this, tr("Save image"), ImageBaseName(*inputs_), ImageFilters(), &filter);
    if (path.isEmpty()) {
        return;
    }
    const ImageFormat format = FormatOfName(path).value_or(FormatOfFilter(filter));
    if (!SaveImage(WithExtension(path, format), format)) {
        ShowMessage(this, tr("The image could not be saved."), QMessageBox::Warning);
    }
}

}  // namespace orvexal
