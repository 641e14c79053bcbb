// frmNight: the night of the last calculation at a glance, in a window of
// its own beside the main window: the chart with the night's almanac. It
// follows every completed calculation while it is open, keeps its place and
// size between showings (for the run; nothing of it is saved), moves its
// "now" line each minute by the program's clock, and saves the chart as a
// PNG, PDF or SVG file. A latitude beyond a pole gets a message instead of
// a chart.
#pragma once

#include <QByteArray>
#include <QWidget>
#include <optional>

#include "night/track.h"
#include "pass/clock.h"
#include "ui/image_file.h"

class QPushButton;
class QTimer;

namespace orvexal {

class NightChart;

class NightWindow : public QWidget {
    Q_OBJECT

public:
    // The clock gives the present moment for the "now" line.
    explicit NightWindow(Clock clock, QWidget* parent = nullptr);

    // The inputs of a completed calculation: charted at once while the
    // window is shown, when it is next shown otherwise.
    void Follow(const NightInputs& inputs);

    // Shows the window where and as large as it was last, charting the last
    // calculation.
    void Present();

    // The night charted, if any.
    // The inputs of the last calculation it follows, if any.
    const std::optional<NightInputs>& Inputs() const { return inputs_; }

    const std::optional<NightTrack>& Track() const { return track_; }

    // Writes the chart as it is shown into a file of the format; false when
    // the file cannot be written.
    bool SaveImage(const QString& path, ImageFormat format) const;

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void Chart();
    void ShowNow();
    void AskAndSaveImage();

    Clock clock_;
    NightChart* chart_ = nullptr;
    QPushButton* save_ = nullptr;
    QPushButton* close_ = nullptr;
    QTimer* minute_ = nullptr;
    std::optional<NightInputs> inputs_;
    std::optional<NightTrack> track_;
    bool charted_ = false;  // the chart is that of the inputs
    QByteArray geometry_;
};

}  // namespace orvexal
