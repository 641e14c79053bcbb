// Opens every window of the program through its menu commands in the
// working folder and saves a picture of each into the folder given as the
// argument, for looking at the layout: xvfb-run build/tools/window-shots DIR
// [NOW [LIST [PAUSE]]]. The Night window is shown for a few nights at its
// default size, larger and at its least size, and one chart is saved as PDF
// and SVG too; NOW ("2024-12-12T23:10:00", UTC) fixes the clock, for its
// "now" line. With a target list, the Targets window is shown with the list
// planned for La Palma on the night of 2024 December 15, first the table
// alone, then with the observable targets only and the first of them in
// the table's order selected and charted; each state is held PAUSE seconds on the screen (default 0), for
// a picture of the whole screen taken from outside.
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDateTime>
#include <QDir>
#include <QMessageBox>
#include <QItemSelectionModel>
#include <QPushButton>
#include <QTableView>
#include <QThread>
#include <QTimer>
#include <cstdlib>
#include <functional>

#include "ui/main_window.h"
#include "ui/night_window.h"
#include "ui/targets_window.h"

namespace {

using orvexal::Field;

// A night: the name of its pictures and the fields typed for it over the
// designed ones.
struct NightShot {
    const char* name;
    std::vector<std::pair<Field, const char*>> fields;
};

const std::vector<std::pair<Field, const char*>> kLaPalma = {
    {Field::LocationName, "La Palma"}, {Field::Longitude, "17.5248"}, {Field::Latitude, "28.4536"},
    {Field::TimeZone, "0"},            {Field::Date, "2024.1212"},    {Field::Time, "21"},
    {Field::RightAscension, "5.3517"}, {Field::Declination, "-5.2328"}, {Field::Epoch, "2000"},
    {Field::NewEpoch, "0"},            {Field::Twilight, "-12"}};

const NightShot kNights[] = {
    {"la-palma", kLaPalma},
    {"paranal",
     {{Field::LocationName, "Paranal"}, {Field::Longitude, "70.2415"}, {Field::Latitude, "-24.3738"},
      {Field::TimeZone, "4"}, {Field::Date, "2025.0313"}, {Field::Time, "22"}}},
    {"never-rising", {{Field::LocationName, "La Palma"}, {Field::Declination, "-70"}}},
    {"polar-day",
     {{Field::LocationName, "Tromso"}, {Field::Longitude, "-18.5719"}, {Field::Latitude, "69.3857"},
      {Field::TimeZone, "-1"}, {Field::Date, "2026.0621"}, {Field::Time, "23"}, {Field::Declination, "45"}}},
    {"polar-night",
     {{Field::LocationName, "Tromso"}, {Field::Longitude, "-18.5719"}, {Field::Latitude, "69.3857"},
      {Field::TimeZone, "-1"}, {Field::Date, "2026.1223"}, {Field::Time, "22"}}},
    {"beyond-pole", {{Field::Latitude, "95.18"}}},
};

// The rows of the Targets window's table charted in its second picture.
constexpr int kChartedRows = 8;

// Lets the shown windows draw, and keeps them on the screen for the pause.
void Hold(double pauseSeconds)
{
    QApplication::processEvents();
    QThread::msleep(50);
    QApplication::processEvents();
    for (double held = 0; held < pauseSeconds; held += 0.1) {
        QThread::msleep(100);
        QApplication::processEvents();
    }
}

void ShowTargets(orvexal::MainWindow& window, const QString& list, double pauseSeconds,
                 const std::function<void(QWidget*, const QString&)>& save)
{
    for (const auto& [field, text] : kLaPalma) {
        window.SetText(field, text);
    }
    window.SetText(Field::Date, "2024.1215");
    window.findChild<QPushButton*>(QStringLiteral("Command1"))->click();
    window.findChild<QAction*>(QStringLiteral("AtTargets"))->trigger();
    auto* targets = window.findChild<orvexal::TargetsWindow*>(QStringLiteral("frmTargets"));
    targets->OpenList(list);
    targets->setGeometry(0, 0, 1260, 980);
    Hold(pauseSeconds);
    save(targets, QStringLiteral("frmTargets-table"));
    targets->findChild<QCheckBox*>(QStringLiteral("ObservableOnly"))->setChecked(true);
    auto* table = targets->findChild<QTableView*>(QStringLiteral("TargetTable"));
    const QModelIndex first = table->model()->index(0, 0);
    const QModelIndex last = table->model()->index(kChartedRows - 1, 0);
    table->selectionModel()->select(QItemSelection(first, last),
                                    QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    Hold(pauseSeconds);
    save(targets, QStringLiteral("frmTargets-chart"));
    targets->hide();
}

orvexal::Clock ClockOf(int argc, char* argv[])
{
    if (argc < 3) {
        return orvexal::SystemUtcTime;
    }
    const QDateTime now = QDateTime::fromString(QString::fromLocal8Bit(argv[2]), Qt::ISODate);
    return [date = now.date(), time = now.time()] {
        return orvexal::DateTime{date.year(), date.month(), date.day(), time.hour(), time.minute(), time.second()};
    };
}

}  // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    const QDir folder(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::currentPath());
    orvexal::AppState state;
    orvexal::MainWindow window(state, ClockOf(argc, argv));
    const auto save = [&folder](QWidget* shown, const QString& name) {
        QApplication::processEvents();
        shown->grab().save(folder.filePath(name + QStringLiteral(".png")));
    };
    window.show();
    save(&window, window.objectName());
    const char* shots[][2] = {{"AtOpen", "frmOpen"},   {"AtSelect", "frmSelectLocation"}, {"AtHelp1", "frmHelp1"},
                              {"AtHelp2", "frmHelp2"}, {"AtHelp3", "frmHelp3"},           {"AtAbout", "frmAbout"},
                              {"AtSelect", "frmLoad_location_first"}};
    for (const auto& [command, name] : shots) {
        if (QLatin1String(name) == "frmLoad_location_first") {  // the notice instead of the picker
            state.locations.clear();
        }
        window.findChild<QAction*>(QLatin1String(command))->trigger();
        auto* shown = window.findChild<QWidget*>(QLatin1String(name));
        save(shown, shown->objectName());
    }

    auto* night = window.findChild<orvexal::NightWindow*>(QStringLiteral("frmNight"));
    window.findChild<QAction*>(QStringLiteral("AtChart"))->trigger();
    for (const NightShot& shot : kNights) {
        for (const auto& [field, text] : kLaPalma) {
            window.SetText(field, text);
        }
        for (const auto& [field, text] : shot.fields) {
            window.SetText(field, text);
        }
        window.findChild<QPushButton*>(QStringLiteral("Command1"))->click();
        night->resize(night->sizeHint());
        save(night, QStringLiteral("frmNight-%1").arg(QLatin1String(shot.name)));
    }
    for (const auto& [field, text] : kLaPalma) {
        window.SetText(field, text);
    }
    window.findChild<QPushButton*>(QStringLiteral("Command1"))->click();
    night->resize(1400, 860);
    save(night, QStringLiteral("frmNight-larger"));
    night->resize(night->minimumSizeHint());
    save(night, QStringLiteral("frmNight-least"));
    night->resize(night->sizeHint());
    QApplication::processEvents();
    night->SaveImage(folder.filePath(QStringLiteral("night.pdf")), orvexal::ImageFormat::Pdf);
    night->SaveImage(folder.filePath(QStringLiteral("night.svg")), orvexal::ImageFormat::Svg);
    night->SaveImage(folder.filePath(QStringLiteral("night.png")), orvexal::ImageFormat::Png);
    if (argc > 3) {
        night->hide();
        ShowTargets(window, QString::fromLocal8Bit(argv[3]), argc > 4 ? std::atof(argv[4]) : 0, save);
    }

    QTimer::singleShot(200, [&save] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        save(box, QStringLiteral("message"));
        box->accept();
    });
    window.findChild<QWidget*>(QStringLiteral("Text3"))->setProperty("text", QStringLiteral("1e400"));
    window.findChild<QPushButton*>(QStringLiteral("Command1"))->click();
    return 0;
}
