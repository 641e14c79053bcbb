// Not a test: opens every window of the program through its menu commands in
// the working folder and saves a picture of each into the folder given as
// the argument, for looking at the layout.
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include "calc/clock.h"
#include "data/app_state.h"
#include "ui/main_window.h"

namespace {

void Save(QWidget* window, const QDir& folder, const QString& name)
{
    window->grab().save(folder.filePath(name + QStringLiteral(".png")));
}

void Trigger(QWidget* window, const char* command)
{
    window->findChild<QAction*>(QLatin1String(command))->trigger();
    QApplication::processEvents();
}

}  // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    const QDir folder(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::currentPath());
    orvexal::AppState state;
    orvexal::MainWindow window(state, orvexal::SystemLocalTime);
    window.show();
    QApplication::processEvents();
    Save(&window, folder, QStringLiteral("frmMain"));

    const struct {
        const char* command;
        const char* window;
    } shots[] = {
        {"AtOpen", "frmOpen"},   {"AtSelect", "frmSelectLocation"}, {"AtHelp1", "frmHelp1"},
        {"AtHelp2", "frmHelp2"}, {"AtHelp3", "frmHelp3"},           {"AtAbout", "frmAbout"},
    };
    for (const auto& shot : shots) {
        Trigger(&window, shot.command);
        Save(window.findChild<QWidget*>(QLatin1String(shot.window)), folder,
             QLatin1String(shot.window));
    }
    state.locations.LocCount = 0;
    Trigger(&window, "AtSelect");
    Save(window.findChild<QWidget*>(QStringLiteral("frmLoad_location_first")), folder,
         QStringLiteral("frmLoad_location_first"));

    QTimer::singleShot(200, [&folder] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        Save(box, folder, QStringLiteral("message"));
        box->accept();
    });
    window.findChild<QWidget*>(QStringLiteral("Text3"))->setProperty("text", QStringLiteral("1e400"));
    window.findChild<QPushButton*>(QStringLiteral("Command1"))->click();
    return 0;
}
