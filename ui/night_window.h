// frmNight: the night of the last calculation at a glance, in a window of
// its own beside the main window. It follows every completed calculation
// while it is open, keeps its place and size between showings (for the
// run; nothing of it is saved), and saves the chart as a PNG image.
#pragma once

#include <QByteArray>
#include <QWidget>
#include <optional>

#include "night/track.h"

class QPushButton;

namespace orvexal {

class NightChart;

class NightWindow : public QWidget {
    Q_OBJECT

public:
    explicit NightWindow(QWidget* parent = nullptr);

    // The inputs of a completed calculation: charted at once while the
    // window is shown, when it is next shown otherwise.
    void Follow(const NightInputs& inputs);

    // Shows the window where and as large as it was last, charting the last
    // calculation.
    void Present();

    // The night charted, if any.
    const std::optional<NightTrack>& Track() const { return track_; }

    // Writes the chart as it is shown into a PNG file; false when the file
    // cannot be written.
    bool SaveImage(const QString& path) const;

protected:
    void hideEvent(QHideEvent* event) override;

private:
    void Chart();
    void AskAndSaveImage();

    NightChart* chart_ = nullptr;
    QPushButton* save_ = nullptr;
    QPushButton* close_ = nullptr;
    std::optional<NightInputs> inputs_;
    std::optional<NightTrack> track_;
    bool charted_ = false;  // the track is that of the inputs
    QByteArray geometry_;
};

}  // namespace orvexal
