// frmTargets: a list of targets planned for the night of the last
// calculation. A table (one row a target: its place of the date, rise,
// transit and set, its longest observable window, the hours observable,
// its best time with the altitude, air mass and the Moon's distance then)
// sorted by any column, the rows that cannot be observed greyed or left
// out; the limits that make a target observable edited in place; the
// selected rows' altitude curves on the night chart below it. It follows
// every completed calculation while it is open, as the Night window does.
// The last list opened and the limits are kept in targets.ini in the
// working folder; nothing of the window touches the main window or its
// files.
#pragma once

#include <QByteArray>
#include <QWidget>
#include <optional>
#include <vector>

#include "data/target_list.h"
#include "data/targets_settings.h"
#include "night/track.h"
#include "ui/image_file.h"

class QCheckBox;
class QDoubleSpinBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QTableView;

namespace orvexal {

class NightChart;
class TargetsFilter;
class TargetsModel;

class TargetsWindow : public QWidget {
    Q_OBJECT

public:
    explicit TargetsWindow(QWidget* parent = nullptr);

    // The inputs of a completed calculation: planned at once while the
    // window is shown, when it is next shown otherwise.
    void Follow(const NightInputs& inputs);

    // Shows the window where and as large as it was last. The first time,
    // the settings of the last run are read and their list opened again
    // (quietly: a list that has gone away is only said so in the window).
    void Present();

    // Opens a list: false, with a message box saying why and nothing
    // changed, when the file cannot be read or is refused whole.
    bool OpenList(const QString& path);

    // Writes the table as shown (sorted, filtered) as CSV; false when the
    // file cannot be written.
    bool ExportCsv(const QString& path) const;

    // Writes the chart as shown; false when the file cannot be written.
    bool SaveImage(const QString& path, ImageFormat format) const;

protected:
    void hideEvent(QHideEvent* event) override;

private:
    void CreateControls();
    void LayOut();
    void ConnectSignals();
    void ApplySettings(const TargetsSettings& settings);
    void SaveSettings() const;

    bool ReadList(const QString& path, bool quietly);
    void AltitudeEdited(double altitudeDeg);
    void AirMassEdited(double airMass);
    void MoonEdited(double distanceDeg);
    void Plan();
    std::vector<int> SelectedRows() const;
    void Replan();
    void ShowStatus();
    void Chart();

    void AskAndOpenList();
    void AskAndExport();
    void AskAndSaveImage();

    TargetsSettings settings_;
    bool settingsRead_ = false;
    std::vector<TargetRecord> records_;
    QString listName_;
    QString unopened_;  // why the last run's list was not opened again
    std::optional<NightInputs> inputs_;
    std::optional<NightTrack> track_;
    bool planned_ = false;  // the table is that of the inputs
    QByteArray geometry_;

    TargetsModel* model_ = nullptr;
    TargetsFilter* filter_ = nullptr;
    QPushButton* open_ = nullptr;
    QPushButton* export_ = nullptr;
    QPushButton* saveImage_ = nullptr;
    QPushButton* close_ = nullptr;
    QDoubleSpinBox* altitude_ = nullptr;
    QDoubleSpinBox* airMass_ = nullptr;
    QDoubleSpinBox* moon_ = nullptr;
    QCheckBox* observableOnly_ = nullptr;
    QLabel* status_ = nullptr;
    QPlainTextEdit* badLines_ = nullptr;
    QTableView* table_ = nullptr;
    NightChart* chart_ = nullptr;
    QLabel* chartNote_ = nullptr;
};

}  // namespace orvexal
