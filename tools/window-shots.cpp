// Opens every window of the program through its menu commands in the
// working folder and saves a picture of each into the folder given as the
// argument, for looking at the layout: xvfb-run build/tools/window-shots DIR.
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include "ui/main_window.h"

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    const QDir folder(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::currentPath());
    orvexal::AppState state;
    orvexal::MainWindow window(state, orvexal::SystemUtcTime);
    const auto save = [&folder](QWidget* shown) {
        QApplication::processEvents();
        shown->grab().save(folder.filePath(shown->objectName() + QStringLiteral(".png")));
    };
    window.show();
    save(&window);
    const char* shots[][2] = {{"AtOpen", "frmOpen"},   {"AtSelect", "frmSelectLocation"}, {"AtHelp1", "frmHelp1"},
                              {"AtHelp2", "frmHelp2"}, {"AtHelp3", "frmHelp3"},           {"AtAbout", "frmAbout"},
                              {"AtSelect", "frmLoad_location_first"}};
    for (const auto& [command, name] : shots) {
        if (QLatin1String(name) == "frmLoad_location_first") {  // the notice instead of the picker
            state.locations.LocCount = 0;
        }
        window.findChild<QAction*>(QLatin1String(command))->trigger();
        save(window.findChild<QWidget*>(QLatin1String(name)));
    }
    QTimer::singleShot(200, [&save] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        box->setObjectName(QStringLiteral("message"));
        save(box);
        box->accept();
    });
    window.findChild<QWidget*>(QStringLiteral("Text3"))->setProperty("text", QStringLiteral("1e400"));
    window.findChild<QPushButton*>(QStringLiteral("Command1"))->click();
    return 0;
}
