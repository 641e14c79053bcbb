#include "ui/main_window.h"

#include <QCloseEvent>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>

#include "data/location_list.h"
#include "app/startup.h"
#include "night/inputs.h"
#include "pass/pass.h"
#include "ui/about_box.h"
#include "ui/controls.h"
#include "ui/help_page.h"
#include "ui/location_notice.h"
#include "ui/location_picker.h"
#include "ui/night_window.h"
#include "ui/open_dialog.h"
#include "ui/targets_window.h"
#include "ui/screens.h"

namespace orvexal {
namespace {

// The left edges of the input boxes and of the result column.
constexpr double kInputBoxLeft = 2400;
constexpr double kResultColumnLeft = 4680;

// One field of the window: its caption, its text box and its unit hint.
struct RowDesign {
    Field field;
    const char* caption;
    Place captionPlace;
    Place boxPlace;
    const char* hint;  // nullptr: the field has none
    const char* hintText;
    Place hintPlace;
    bool wrapCaption = false;
};

constexpr Place InputCaption(double top)
{
    return {120, top, 2220, 255};
}

constexpr Place InputBox(double top)
{
    return {kInputBoxLeft, top, 1215, 285};
}

constexpr Place InputHint(double top)
{
    return {3720, top, 615, 255};
}

constexpr RowDesign kInputRows[] = {
    {Field::LocationName, "Label3", {120, 960, 1260, 255}, {1440, 960, 2895, 285}, nullptr, "", {}},
    {Field::Longitude, "Label4", InputCaption(1320), InputBox(1320), "Label5", "D.MS", InputHint(1320)},
    {Field::Latitude, "Label6", InputCaption(1680), InputBox(1680), "Label7", "D.MS", InputHint(1800)},
    {Field::TimeZone, "Label8", InputCaption(2040), InputBox(2040), "Label9", "H", InputHint(2040)},
    {Field::Date, "Label10", InputCaption(2400), InputBox(2400), "Label11", "Y.MD", InputHint(2400)},
    {Field::Time, "Label12", InputCaption(2760), InputBox(2760), "Label13", "H.MS", InputHint(2760)},
    {Field::RightAscension, "Label14", InputCaption(3120), InputBox(3120), "Label15", "H.MS", InputHint(3120)},
    {Field::Declination, "Label16", InputCaption(3480), InputBox(3480), "Label17", "D.MS", InputHint(3480)},
    {Field::Epoch, "Label18", InputCaption(3840), InputBox(3840), "Label19", "YYYY.y", InputHint(3840)},
    {Field::NewEpoch, "Label20", InputCaption(4200), InputBox(4200), "Label21", "YYYY.y",
     InputHint(4200)},
    {Field::Twilight, "Label54", {120, 4560, 2295, 495}, InputBox(4680), "Label55", "degrees",
     InputHint(4680), true},
};

struct ResultRow {
    Field field;
    const char* caption;
    const char* hint;
    const char* hintText;
};

// From top 600 down, 360 twips apart.
constexpr ResultRow kResultRows[] = {
    {Field::NewRightAscension, "Label22", "Label23", "H.MS"},  {Field::NewDeclination, "Label24", "Label25", "D.MS"},
    {Field::JulianDate, "Label26", "Label27", "DDD.d"}, {Field::HeliocentricCorrection, "Label28", "Label29", "0.000dd"},
    {Field::SiderealTime, "Label30", "Label31", "H.MS"},  {Field::Azimuth, "Label32", "Label33", "D.MS"},
    {Field::Altitude, "Label34", "Label35", "D.MS"},  {Field::AirMass, "Label36", "Label37", " "},
    {Field::HourAngle, "Label38", "Label39", "H.MS"},  {Field::Constellation, "Label40", "Label41", ""},
    {Field::GalacticLongitude, "Label42", "Label43", "D.MS"},  {Field::GalacticLatitude, "Label44", "Label45", "D.MS"},
    {Field::SunRightAscension, "Label46", "Label47", "H.M"},   {Field::SunDeclination, "Label48", "Label49", "D.M"},
    {Field::Dusk, "Label50", "Label51", "H.MS"},  {Field::Dawn, "Label52", "Label53", "H.MS"},
};

// A place for every text box of the field table.
static_assert(std::size(kInputRows) == kInputCount && std::size(kResultRows) == kResultCount);

RowDesign ResultRowDesign(const ResultRow& row, int index)
{
    const double top = 600 + 360 * index;
    return {row.field,         row.caption,  {kResultColumnLeft, top, 1815, 255}, {6600, top, 1575, 285},
            row.hint,          row.hintText, {8280, top, 615, 255}};
}

std::size_t FieldIndex(Field field)
{
    return static_cast<std::size_t>(field) - 1;
}

QString FromView(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QAction* AddCommand(QWidget* menu, const char* name, const QString& text)
{
    auto* action = new QAction(text, menu);
    action->setObjectName(QLatin1String(name));
    menu->addAction(action);
    return action;
}

void AddSeparator(QMenu* menu, const char* name)
{
    menu->addSeparator()->setObjectName(QLatin1String(name));
}

// The client area as designed, and the window's outer size, title bar and
// frame included, once the settings of the last run are applied. The window
// is never smaller than its controls (wider when the columns had to move
// apart, taller when the title bar and menu take more room than designed).
constexpr double kClientWidth = 9030;
constexpr double kClientHeight = 6390;
constexpr double kRestoredWidth = 9150;
constexpr double kRestoredHeight = 7080;

// The fault's name on the first line, then where the pass stopped.
QString FaultMessage(const PassFault& fault)
{
    return MainWindow::tr("%1\n\nThe calculation stopped in %2.\nThe results shown in grey were not recalculated.")
        .arg(QString::fromUtf8(FaultCaption(fault.kind)), QString::fromUtf8(ComputationName(fault.computation)));
}

}  // namespace

MainWindow::MainWindow(AppState& state, Clock clock, QWidget* parent)
    : QMainWindow(parent), state_(state), clock_(std::move(clock))
{
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(tr("Orvexal for Windows"));
    CreateForm();
    CreateMenus();
    CreateWindows();
    ConnectSignals();
    LoadForm();
}

void MainWindow::CreateForm()
{
    auto* form = new QWidget(this);
    SetBackground(form, QColor(255, 224, 192));
    const QFont bold = SansSerifFont(8.25);
    const QFont plain = SansSerifFont(8.25, QFont::Normal);
    form->setFont(bold);

    QLabel* title =
        AddLabel(form, "Label1", tr("ORVEXAL v43 for Windows"), {2040, 120, 4575, 375}, SansSerifFont(13.5));
    SetTextColour(title, QColor(0, 0, 192));
    statusLine_ = AddLabel(form, "Label2", FromView(DesignedText(Field::Status)), {120, 600, 4455, 255}, bold);

    auto addRow = [&](const RowDesign& row) {
        AddLabel(form, row.caption, FromView(FieldCaption(row.field)), row.captionPlace, bold,
                 row.wrapCaption);
        boxes_[FieldIndex(row.field)] = AddLineEdit(
            form, FieldName(row.field).c_str(), FromView(DesignedText(row.field)), row.boxPlace);
        if (row.hint != nullptr) {
            AddLabel(form, row.hint, QString::fromUtf8(row.hintText), row.hintPlace, plain);
        }
    };
    for (const RowDesign& row : kInputRows) {
        addRow(row);
    }
    for (int index = 0; index < std::ssize(kResultRows); ++index) {
        addRow(ResultRowDesign(kResultRows[index], index));
    }
    AddLabel(form, "Label56", tr("(negative  means below horizon)"), {2160, 5040, 2295, 255}, plain);
    // Alt+C; Enter in any input field presses it too.
    calculate_ = AddButton(form, "Command1", tr("&Calculate"), {1680, 5400, 1455, 615});
    calculate_->setDefault(true);

    // Results can be selected and copied, not typed over, and Tab passes
    // them by: it runs through the inputs in screen order, then "Calculate".
    QWidget* previous = nullptr;
    for (const RowDesign& row : kInputRows) {
        QWidget* box = Box(row.field);
        if (previous != nullptr) {
            setTabOrder(previous, box);
        }
        previous = box;
    }
    setTabOrder(previous, calculate_);
    for (const ResultRow& row : kResultRows) {
        Box(row.field)->setReadOnly(true);
        Box(row.field)->setFocusPolicy(Qt::ClickFocus);
    }

    for (const double edge : {kInputBoxLeft, kResultColumnLeft}) {
        ClearColumn(form, Pixels(edge));
    }
    SetClientSize(form, kClientWidth, kClientHeight);
    form->setMinimumSize(ReachWithMargin(form));
    setCentralWidget(form);
}

void MainWindow::CreateMenus()
{
    QMenu* file = menuBar()->addMenu(tr("&File"));
    file->setObjectName(QStringLiteral("AtFile"));
    open_ = AddCommand(file, "AtOpen", tr("&Open ..."));
    AddSeparator(file, "div1");
    exit_ = AddCommand(file, "AtExit", tr("E&xit"));

    select_ = AddCommand(menuBar(), "AtSelect", tr("&Select Loc'n"));
    chart_ = AddCommand(menuBar(), "AtChart", tr("C&hart"));  // Alt+C is "Calculate"
    targets_ = AddCommand(menuBar(), "AtTargets", tr("&Targets"));

    QMenu* help = menuBar()->addMenu(tr("&Help"));
    help->setObjectName(QStringLiteral("AtHelp"));
    help_[0] = AddCommand(help, "AtHelp1", tr("Help&1 - Input"));
    help_[1] = AddCommand(help, "AtHelp2", tr("Help&2 - Output"));
    help_[2] = AddCommand(help, "AtHelp3", tr("Help&3 - Justification"));
    AddSeparator(help, "lin2");
    about_ = AddCommand(help, "AtAbout", tr("&About"));
}

void MainWindow::CreateWindows()
{
    openDialog_ = new OpenDialog(this);
    picker_ = new LocationPicker(state_.locations, *this, this);
    notice_ = new LocationNotice(this);
    for (std::size_t page = 0; page < helpPages_.size(); ++page) {
        helpPages_[page] = new HelpPage(kHelpPages[page], this);
    }
    aboutBox_ = new AboutBox(this);
    night_ = new NightWindow(clock_, this);
}

void MainWindow::ConnectSignals()
{
    connect(calculate_, &QPushButton::clicked, this, &MainWindow::Calculate);
    for (const RowDesign& row : kInputRows) {
        connect(Box(row.field), &QLineEdit::returnPressed, this, &MainWindow::Calculate);
    }
    connect(open_, &QAction::triggered, openDialog_, &OpenDialog::ShowFresh);
    connect(openDialog_, &OpenDialog::FileChosen, this, &MainWindow::LoadLocationsFrom);
    connect(exit_, &QAction::triggered, this, &QWidget::close);
    connect(select_, &QAction::triggered, this, &MainWindow::SelectLocation);
    for (std::size_t page = 0; page < helpPages_.size(); ++page) {
        HelpPage* shown = helpPages_[page];
        connect(help_[page], &QAction::triggered, shown, [shown] { BringUp(shown); });
        if (page > 0) {
            HelpPage* before = helpPages_[page - 1];
            connect(shown, &HelpPage::PreviousPage, before, [before] { BringUp(before); });
            connect(before, &HelpPage::NextPage, shown, [shown] { BringUp(shown); });
        }
    }
    connect(about_, &QAction::triggered, aboutBox_, [this] { BringUp(aboutBox_); });
    connect(chart_, &QAction::triggered, night_, &NightWindow::Present);
    connect(targets_, &QAction::triggered, this, &MainWindow::PresentTargets);
    connect(this, &MainWindow::PassCompleted, this, [this] {
        lastNight_ = NightInputsOf(lastPass_, LabelsOf(*this));
        night_->Follow(*lastNight_);
        if (targetsWindow_ != nullptr) {
            targetsWindow_->Follow(*lastNight_);
        }
    });
}

// The start-up traps its own faults and shows nothing of its own; only a
// refused location file brings up its message box, before the window shows.
// The box has no parent: as the main window's child it would make the window
// system create the main window early, unframed, and the window would then
// be framed around the place meant for its frame.
void MainWindow::LoadForm()
{
    const StartupResult startup = RunStartup(state_);
    if (startup.settings) {
        ApplySettingsToFields(*startup.settings, *this);
    }
    PlaceWindow(startup.settings.has_value());
    if (startup.locationLoad) {
        ShowLoadOutcome(*startup.locationLoad, nullptr);
    }
}

// The designed client area under the menu bar; with the settings of the last
// run, the outer size, fitted to the frame once the window is framed.
void MainWindow::PlaceWindow(bool restoredSize)
{
    resize(centralWidget()->width(), centralWidget()->height() + menuBar()->sizeHint().height());
    if (restoredSize) {
        outerSize_ = QSize(Pixels(kRestoredWidth), Pixels(kRestoredHeight));
        FitOuterSize();
    }
    placement_ = WindowPlacement(state_.window.WinLeft, state_.window.WinTop);
    move(placement_.PixelPosition());
}

// Resizes the window so that with its frame it has the outer size, whenever
// the frame the window system reports differs from the one last fitted to
// (none before the window is shown); a user's own resizing is kept.
void MainWindow::FitOuterSize()
{
    const QSize frame = frameGeometry().size() - size();
    if (!outerSize_ || frame == fittedFrame_ || isMaximized() || isFullScreen()) {
        return;
    }
    fittedFrame_ = frame;
    resize(*outerSize_ - frame);
}

// The first showing brings a window whose restored place lies off every
// screen onto the nearest one, now that its size is known.
void MainWindow::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    FitOuterSize();
    const QPoint onScreen = OnNearestScreen(frameGeometry(), Screens());
    if (!event->spontaneous() && onScreen != pos()) {
        move(onScreen);
    }
}

void MainWindow::moveEvent(QMoveEvent* event)
{
    QMainWindow::moveEvent(event);
    FitOuterSize();
}

void MainWindow::Calculate()
{
    WriteRecorder pass(*this);
    const auto fault = CalculatePass(pass, state_.constellations, state_.sun, clock_, lastPass_);
    ShowReached(pass, fault.has_value());
    if (fault) {
        ShowMessage(this, FaultMessage(*fault), QMessageBox::Warning);
        return;
    }
    emit PassCompleted();
}

// A result the pass wrote shows in the usual colours; one that a pass ending
// on a fault did not reach keeps its text but shows grey, until a pass
// writes it again.
void MainWindow::ShowReached(const WriteRecorder& pass, bool faulted)
{
    for (const ResultRow& row : kResultRows) {
        if (pass.Written(row.field) || faulted) {
            ShowStale(Box(row.field), !pass.Written(row.field));
        }
    }
}

// The Targets window is made when it is first asked for, so that the
// program starts without it, and given the night of the last calculation.
void MainWindow::PresentTargets()
{
    if (targetsWindow_ == nullptr) {
        targetsWindow_ = new TargetsWindow(this);
        if (lastNight_) {
            targetsWindow_->Follow(*lastNight_);
        }
    }
    targetsWindow_->Present();
}

void MainWindow::LoadLocationsFrom(const QString& path)
{
    state_.locationFile = QFile::encodeName(path).toStdString();
    ShowLoadOutcome(LoadLocationFile(state_.locationFile, state_.locations), this);
}

void MainWindow::ShowLoadOutcome(LocationLoadResult result, QWidget* messageParent)
{
    const std::string_view status = StatusLineAfter(result);
    if (!status.empty()) {
        statusLine_->setText(FromView(status));
    }
    if (result == LocationLoadResult::WrongFile) {
        ShowMessage(messageParent, FromView(kWrongFileMessage), QMessageBox::NoIcon);
    }
}

void MainWindow::SelectLocation()
{
    if (!state_.locations.empty()) {
        picker_->ShowList();
    } else {
        BringUp(notice_);
    }
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    const QPointF twips = placement_.TwipsAt(pos());
    // A settings file that cannot be written is given up; the program ends
    // all the same.
    SaveSettings(state_, twips.x(), twips.y(), *this);
    QMainWindow::closeEvent(event);
}

QLineEdit* MainWindow::Box(Field field) const
{
    return boxes_[FieldIndex(field)];
}

std::string MainWindow::Text(Field field) const
{
    const QString text = field == Field::Status ? statusLine_->text() : Box(field)->text();
    return text.toStdString();
}

void MainWindow::SetText(Field field, const std::string& text)
{
    const QString shown = QString::fromStdString(text);
    if (field == Field::Status) {
        statusLine_->setText(shown);
    } else {
        Box(field)->setText(shown);
    }
}

}  // namespace orvexal
