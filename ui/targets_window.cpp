#include "ui/targets_window.h"

#include <QCheckBox>
#include <QDir>
#include <QDoubleSpinBox>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSplitter>
#include <QTableView>
#include <QVBoxLayout>

#include "data/whole_file.h"
#include "night/plan.h"
#include "ui/controls.h"
#include "ui/night_chart.h"
#include "ui/targets_model.h"

namespace orvexal {
namespace {

// The air-mass box runs from the zenith's to the horizon's by the pass's
// rules, as the altitude box runs from 90 degrees down to 0.
constexpr double kZenithAirMass = 1;

// The splitter's first sizes are shares of this (pixels; it scales them).
constexpr int kSplitterShare = 100;

// The lines of the box of bad lines shown without scrolling.
constexpr int kBadLinesShown = 4;

std::string PathText(const QString& path)
{
    return QFile::encodeName(path).toStdString();
}

QDoubleSpinBox* AddSpinBox(QWidget* parent, const char* name, double from, double to, int decimals,
                           const QString& suffix)
{
    auto* box = new QDoubleSpinBox(parent);
    box->setObjectName(QLatin1String(name));
    box->setRange(from, to);
    box->setDecimals(decimals);
    box->setSuffix(suffix);
    box->setKeyboardTracking(false);  // a limit takes effect once typed, not at each digit
    return box;
}

QPushButton* AddPushButton(QWidget* parent, const char* name, const QString& text)
{
    auto* button = new QPushButton(text, parent);
    button->setObjectName(QLatin1String(name));
    button->setAutoDefault(false);
    return button;
}

}  // namespace

TargetsWindow::TargetsWindow(QWidget* parent) : QWidget(parent, Qt::Window)
{
    SetUpWindow(this, "frmTargets", tr("Targets"));
    setFont(SansSerifFont(9, QFont::Normal));
    CreateControls();
    LayOut();
    ConnectSignals();
    ApplySettings(settings_);
    ShowStatus();
}

void TargetsWindow::CreateControls()
{
    model_ = new TargetsModel(this);
    filter_ = new TargetsFilter(this);
    filter_->setSourceModel(model_);

    open_ = AddPushButton(this, "OpenList", tr("&Open list..."));
    export_ = AddPushButton(this, "Export", tr("&Export..."));
    saveImage_ = AddPushButton(this, "SaveImage", tr("&Save image..."));
    close_ = AddPushButton(this, "Close", tr("&Close"));
    const QString degrees(QChar(0x00b0));
    altitude_ = AddSpinBox(this, "AltitudeLimit", kLeastAltitudeLimitDeg, kLargestAltitudeLimitDeg, 1, degrees);
    airMass_ = AddSpinBox(this, "AirMassLimit", kZenithAirMass, AirMassOfAltitude(kLeastAltitudeLimitDeg), 2, {});
    moon_ = AddSpinBox(this, "MoonLimit", 0, kLargestMoonLimitDeg, 1, degrees);
    observableOnly_ = new QCheckBox(tr("O&bservable only"), this);
    observableOnly_->setObjectName(QStringLiteral("ObservableOnly"));

    status_ = new QLabel(this);
    status_->setObjectName(QStringLiteral("Status"));
    status_->setWordWrap(true);
    badLines_ = new QPlainTextEdit(this);
    badLines_->setObjectName(QStringLiteral("BadLines"));
    badLines_->setReadOnly(true);
    badLines_->setMaximumHeight(badLines_->fontMetrics().lineSpacing() * (kBadLinesShown + 1));
    badLines_->hide();

    table_ = new QTableView(this);
    table_->setObjectName(QStringLiteral("TargetTable"));
    table_->setModel(filter_);
    table_->setSortingEnabled(true);
    table_->sortByColumn(static_cast<int>(TargetColumn::Transit), Qt::AscendingOrder);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->verticalHeader()->hide();
    table_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table_->horizontalHeader()->setStretchLastSection(true);

    chart_ = new NightChart(this);
    chartNote_ = new QLabel(this);
    chartNote_->setObjectName(QStringLiteral("ChartNote"));
    chartNote_->setText(ChartNoteText(kMostChartedTargets, 0));
    export_->setEnabled(false);
    saveImage_->setEnabled(false);
}

// The limits and the filter in a row over the table; the table over the
// chart in a splitter; the commands at the bottom.
void TargetsWindow::LayOut()
{
    auto* limits = new QHBoxLayout;
    const std::pair<QString, QWidget*> labelled[] = {
        {tr("&Altitude at least"), altitude_}, {tr("or air &mass at most"), airMass_}, {tr("Moo&n at least"), moon_}};
    for (const auto& [text, box] : labelled) {
        auto* label = new QLabel(text, this);
        label->setBuddy(box);
        limits->addWidget(label);
        limits->addWidget(box);
        limits->addSpacing(fontMetrics().averageCharWidth() * 2);
    }
    limits->addWidget(observableOnly_);
    limits->addStretch();

    auto* below = new QWidget(this);
    auto* belowLayout = new QVBoxLayout(below);
    belowLayout->setContentsMargins(0, 0, 0, 0);
    belowLayout->addWidget(chartNote_);
    belowLayout->addWidget(chart_, 1);
    auto* splitter = new QSplitter(Qt::Vertical, this);
    splitter->setObjectName(QStringLiteral("Splitter"));
    splitter->addWidget(table_);
    splitter->addWidget(below);
    splitter->setStretchFactor(0, 2);
    splitter->setStretchFactor(1, 3);
    splitter->setSizes({2 * kSplitterShare, 3 * kSplitterShare});  // the table two fifths at first
    splitter->setChildrenCollapsible(false);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(open_);
    buttons->addWidget(export_);
    buttons->addWidget(saveImage_);
    buttons->addStretch();
    buttons->addWidget(close_);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(limits);
    layout->addWidget(status_);
    layout->addWidget(badLines_);
    layout->addWidget(splitter, 1);
    layout->addLayout(buttons);
    resize(1100, 860);
}

void TargetsWindow::ConnectSignals()
{
    connect(open_, &QPushButton::clicked, this, &TargetsWindow::AskAndOpenList);
    connect(export_, &QPushButton::clicked, this, &TargetsWindow::AskAndExport);
    connect(saveImage_, &QPushButton::clicked, this, &TargetsWindow::AskAndSaveImage);
    connect(close_, &QPushButton::clicked, this, &QWidget::close);
    connect(altitude_, &QDoubleSpinBox::valueChanged, this, &TargetsWindow::AltitudeEdited);
    connect(airMass_, &QDoubleSpinBox::valueChanged, this, &TargetsWindow::AirMassEdited);
    connect(moon_, &QDoubleSpinBox::valueChanged, this, &TargetsWindow::MoonEdited);
    connect(observableOnly_, &QCheckBox::toggled, filter_, &TargetsFilter::SetObservableOnly);
    connect(table_->selectionModel(), &QItemSelectionModel::selectionChanged, this, &TargetsWindow::Chart);
    connect(filter_, &QAbstractItemModel::layoutChanged, this, &TargetsWindow::Chart);
}

// The boxes show the limits without acting on them.
void TargetsWindow::ApplySettings(const TargetsSettings& settings)
{
    settings_ = settings;
    const QSignalBlocker altitude(altitude_);
    const QSignalBlocker airMass(airMass_);
    const QSignalBlocker moon(moon_);
    altitude_->setValue(settings.altitudeDeg);
    airMass_->setValue(AirMassOfAltitude(settings.altitudeDeg));
    moon_->setValue(settings.moonDistanceDeg);
}

// A settings file that cannot be written is given up: the window works on.
void TargetsWindow::SaveSettings() const
{
    SaveTargetsSettings(std::string(kTargetsSettingsFile), settings_);
}

void TargetsWindow::Follow(const NightInputs& inputs)
{
    inputs_ = inputs;
    track_.reset();
    planned_ = false;
    if (isVisible()) {
        Plan();
    }
}

void TargetsWindow::Present()
{
    if (!settingsRead_) {
        settingsRead_ = true;
        ApplySettings(LoadTargetsSettings(std::string(kTargetsSettingsFile)));
        if (!settings_.listPath.empty()) {
            ReadList(QFile::decodeName(settings_.listPath.c_str()), true);
        }
    }
    if (!geometry_.isEmpty()) {
        restoreGeometry(geometry_);
    }
    if (!planned_) {
        Plan();
    }
    BringUp(this);
}

bool TargetsWindow::OpenList(const QString& path)
{
    if (!ReadList(path, false)) {
        return false;
    }
    settings_.listPath = PathText(path);
    SaveSettings();
    Plan();
    return true;
}

// A list that cannot be read, or is refused whole, changes nothing: said in
// a message box, or quietly on the status line.
bool TargetsWindow::ReadList(const QString& path, bool quietly)
{
    const FileText file = ReadWholeFile(PathText(path), kMaxTargetListBytes);
    TargetListRead list;
    if (file.failure.empty()) {
        list = ReadTargetList(file.text);
    }
    const std::string& failure = file.failure.empty() ? list.refusal : file.failure;
    if (!failure.empty()) {
        const QString message = tr("The list %1 was not opened: %2")
                                    .arg(QDir::toNativeSeparators(path), QString::fromStdString(failure));
        if (quietly) {
            unopened_ = message;
        } else {
            ShowMessage(this, message, QMessageBox::Warning);
        }
        return false;
    }
    records_ = std::move(list.records);
    listName_ = QFileInfo(path).fileName();
    unopened_.clear();
    badLines_->setPlainText(BadLinesText(listName_, list.badLines));
    badLines_->setVisible(!list.badLines.empty());
    model_->SetRows({});  // the rows selected were the last list's
    planned_ = false;
    return true;
}

void TargetsWindow::AltitudeEdited(double altitudeDeg)
{
    const QSignalBlocker blocker(airMass_);
    airMass_->setValue(AirMassOfAltitude(altitudeDeg));
    settings_.altitudeDeg = altitudeDeg;
    Replan();
}

void TargetsWindow::AirMassEdited(double airMass)
{
    const QSignalBlocker blocker(altitude_);
    settings_.altitudeDeg = AltitudeOfAirMass(airMass);
    altitude_->setValue(settings_.altitudeDeg);
    Replan();
}

void TargetsWindow::MoonEdited(double distanceDeg)
{
    settings_.moonDistanceDeg = distanceDeg;
    Replan();
}

void TargetsWindow::Replan()
{
    SaveSettings();
    Plan();
}

// The night's track once per calculation, the targets' plan at every change
// of the list, the night or the limits; the rows selected (the same targets
// of the list) stay selected.
void TargetsWindow::Plan()
{
    planned_ = true;
    const std::vector<int> selected = SelectedRows();
    std::vector<TargetRow> rows;
    if (inputs_ && LatitudeOnEarth(inputs_->site)) {
        if (!track_) {
            track_ = ComputeNightTrack(*inputs_);
        }
        const std::vector<CatalogPlace> places = CatalogPlacesOf(records_);
        const PlanNight night{inputs_->site, inputs_->localMidnight, inputs_->twilight};
        rows = TargetRowsOf(records_, PlanTargets(night, places, {settings_.altitudeDeg, settings_.moonDistanceDeg}));
    }
    model_->SetRows(std::move(rows));
    ShowStatus();
    QItemSelection again;
    for (const int row : selected) {
        const QModelIndex shown = filter_->mapFromSource(model_->index(row, 0));
        if (shown.isValid()) {
            again.select(shown, shown);
        }
    }
    table_->selectionModel()->select(again, QItemSelectionModel::Select | QItemSelectionModel::Rows);
    Chart();
}

// The rows of the model selected, in the order the table shows them.
std::vector<int> TargetsWindow::SelectedRows() const
{
    std::vector<int> selected;
    for (int row = 0; row < filter_->rowCount(); ++row) {
        if (table_->selectionModel()->isRowSelected(row, {})) {
            selected.push_back(filter_->mapToSource(filter_->index(row, 0)).row());
        }
    }
    return selected;
}

// A last list that could not be opened again is said until one is opened.
void TargetsWindow::ShowStatus()
{
    status_->setText(listName_.isEmpty() && !unopened_.isEmpty() ? unopened_
                                                                 : TargetsStatus(listName_, model_->Rows(), inputs_));
    export_->setEnabled(model_->rowCount() > 0);
}

// The selected rows in the table's order, the first of them charted.
void TargetsWindow::Chart()
{
    if (!track_ || !inputs_) {
        chart_->SetMessage(status_->text());
        saveImage_->setEnabled(false);
        return;
    }
    const ChartChoice choice = ChooseCharted(SelectedRows(), kMostChartedTargets);
    std::vector<ChartedTarget> targets;
    for (const int row : choice.rows) {
        const TargetRow& target = model_->Rows()[std::size_t(row)];
        targets.push_back({target.name, AltitudesAt(track_->samples, target.plan.placeOfDate,
                                                    inputs_->site.latitudeNorthDeg)});
    }
    chart_->SetTargets(*inputs_, *track_, targets);
    chartNote_->setText(ChartNoteText(kMostChartedTargets, choice.leftOut));
    saveImage_->setEnabled(true);
}

bool TargetsWindow::ExportCsv(const QString& path) const
{
    QFile file(path);
    const QByteArray text = CsvText(filter_->ShownTexts()).toUtf8();
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(text) == text.size() && file.flush();
}

bool TargetsWindow::SaveImage(const QString& path, ImageFormat format) const
{
    return chart_->SaveImage(path, format, chart_->Texts().value(0));
}

void TargetsWindow::hideEvent(QHideEvent* event)
{
    geometry_ = saveGeometry();
    QWidget::hideEvent(event);
}

void TargetsWindow::AskAndOpenList()
{
    const QString start =
        settings_.listPath.empty() ? QString() : QFileInfo(QFile::decodeName(settings_.listPath.c_str())).path();
    const QString path = QFileDialog::getOpenFileName(this, tr("Open target list"), start,
                                                      tr("Target lists (*.txt *.csv *.dat);;All files (*)"));
    if (!path.isEmpty()) {
        OpenList(path);
    }
}

void TargetsWindow::AskAndExport()
{
    const QString offered = listName_.section(QLatin1Char('.'), 0, 0) + QStringLiteral(".csv");
    const QString path = QFileDialog::getSaveFileName(this, tr("Export table"), offered, tr("CSV table (*.csv)"));
    if (!path.isEmpty() && !ExportCsv(path)) {
        ShowMessage(this, tr("The table could not be written to %1.").arg(QDir::toNativeSeparators(path)),
                    QMessageBox::Warning);
    }
}

void TargetsWindow::AskAndSaveImage()
{
    const std::optional<ImageFile> file = AskImageFile(this, ImageBaseName(*inputs_));
    if (file && !SaveImage(file->path, file->format)) {
        ShowMessage(this, tr("The image could not be saved."), QMessageBox::Warning);
    }
}

}  // namespace orvexal
