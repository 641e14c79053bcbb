// frmMain: the calculator's main window. It holds the input and result
// fields, "Calculate", the status line of the location file and the menu bar
// that reaches every other window.
#pragma once

#include <QMainWindow>
#include <array>
#include <optional>

#include "app/app_state.h"
#include "night/inputs.h"
#include "data/location_file.h"
#include "pass/clock.h"
#include "pass/fields.h"
#include "pass/pass.h"
#include "ui/twips.h"

class QAction;
class QLabel;
class QLineEdit;
class QPushButton;

namespace orvexal {

class AboutBox;
class HelpPage;
class LocationNotice;
class LocationPicker;
class NightWindow;
class OpenDialog;
class TargetsWindow;

class MainWindow : public QMainWindow, public FieldTexts {
    Q_OBJECT

public:
    // Builds the window and its secondary windows and runs the start-up
    // before the window is first shown: the constellation file, the default
    // location file and the settings of the last run, all from the working
    // folder. The clock is the calculation's "now".
    MainWindow(AppState& state, Clock clock, QWidget* parent = nullptr);

    // Text1 .. Text27 and the status line Label2.
    std::string Text(Field field) const override;
    void SetText(Field field, const std::string& text) override;

signals:
    // A calculation ended without a fault; the fields hold its texts.
    void PassCompleted();

protected:
    // Closing the window in any way, File > Exit included, saves the
    // settings without asking and lets the program end.
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void moveEvent(QMoveEvent* event) override;

private:
    void CreateForm();
    void CreateMenus();
    void CreateWindows();
    void ConnectSignals();
    void LoadForm();

    void Calculate();
    void ShowReached(const WriteRecorder& pass, bool faulted);
    void PlaceWindow(bool restoredSize);
    void FitOuterSize();
    void LoadLocationsFrom(const QString& path);
    void ShowLoadOutcome(LocationLoadResult result, QWidget* messageParent);
    void SelectLocation();
    void PresentTargets();

    QLineEdit* Box(Field field) const;

    AppState& state_;
    Clock clock_;
    ObservedPass lastPass_;  // what the last completed calculation read and worked out
    std::optional<NightInputs> lastNight_;  // and the night it gives
    WindowPlacement placement_{100, 100};
    // The size with title bar and frame that the settings of the last run
    // give the window, and the frame it was last fitted with: the frame is
    // known only once the window system has framed the shown window.
    std::optional<QSize> outerSize_;
    std::optional<QSize> fittedFrame_;

    std::array<QLineEdit*, kTextBoxCount> boxes_{};
    QLabel* statusLine_ = nullptr;
    QPushButton* calculate_ = nullptr;

    QAction* open_ = nullptr;
    QAction* exit_ = nullptr;
    QAction* select_ = nullptr;
    QAction* chart_ = nullptr;
    QAction* targets_ = nullptr;
    std::array<QAction*, 3> help_{};
    QAction* about_ = nullptr;

    OpenDialog* openDialog_ = nullptr;
    LocationPicker* picker_ = nullptr;
    LocationNotice* notice_ = nullptr;
    std::array<HelpPage*, 3> helpPages_{};
    AboutBox* aboutBox_ = nullptr;
    NightWindow* night_ = nullptr;
    TargetsWindow* targetsWindow_ = nullptr;
};

}  // namespace orvexal
