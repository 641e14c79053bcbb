// Opens every window of the program through its menu commands in the
// working folder and saves a picture of each into the folder given as the
// argument, for looking at the layout: xvfb-run build/tools/window-shots DIR
// [NOW]. The Night window is shown for a few nights at its default size,
// larger and at its least size, and one chart is saved as PDF and SVG too;
// NOW ("2024-12-12T23:10:00", UTC) fixes the clock, for its "now" line.
#include <QAction>
#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include "ui/main_window.h"
#include "ui/night_window.h"

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

    QTimer::singleShot(200, [&save] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        save(box, QStringLiteral("message"));
        box->accept();
    });
    window.findChild<QWidget*>(QStringLiteral("Text3"))->setProperty("text", QStringLiteral("1e400"));
    window.findChild<QPushButton*>(QStringLiteral("Command1"))->click();
    return 0;
}
