// The window program's start as a user meets it, for tools/window-start-time.
// It starts exactly as the program does, in the working folder, and prints
// two figures: the wall-clock time (nanoseconds since the epoch) at which the
// main window had been painted for the first time, and the process's peak
// resident memory (kilobytes) after one press of "Calculate".
#include <QApplication>
#include <QPushButton>
#include <QTimer>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <string>

#include "ui/main_window.h"

namespace {

// VmHWM of /proc/self/status: the most resident memory the process has had.
long PeakResidentKilobytes()
{
    std::ifstream status("/proc/self/status");
    for (std::string key; status >> key;) {
        if (key == "VmHWM:") {
            long kilobytes = 0;
            status >> kilobytes;
            return kilobytes;
        }
    }
    return -1;
}

// Notes the end of the main window's first paint, then presses "Calculate"
// and ends the program.
class FirstPaint : public QObject {
public:
    explicit FirstPaint(orvexal::MainWindow& window) : window_(window) { window.installEventFilter(this); }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && shown_ == 0) {
            // The paint event is delivered after this filter returns.
            QTimer::singleShot(0, this, &FirstPaint::Shown);
            shown_ = -1;
        }
        return false;
    }

private:
    void Shown()
    {
        shown_ = std::chrono::duration_cast<std::chrono::nanoseconds>(
                     std::chrono::system_clock::now().time_since_epoch()).count();
        window_.findChild<QPushButton*>(QStringLiteral("Command1"))->click();
        std::printf("%lld %ld\n", shown_, PeakResidentKilobytes());
        window_.close();
    }

    orvexal::MainWindow& window_;
    long long shown_ = 0;
};

}  // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    orvexal::AppState state;
    orvexal::MainWindow window(state, orvexal::SystemUtcTime);
    FirstPaint probe(window);
    window.show();
    return app.exec();
}
