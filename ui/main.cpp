// Orvexal: the calculator window. It reads and writes its data files in the
// working folder.
#include <QApplication>
#include <cstdio>
#include <string_view>

#include "app/app_state.h"
#include "pass/clock.h"
#include "ui/main_window.h"

int main(int argc, char* argv[])
{
    // Answered before any window, so that it works without a display.
    if (argc == 2 && std::string_view(argv[1]) == "--version") {
        std::puts(ORVEXAL_VERSION_LINE);
        return 0;
    }
    QApplication app(argc, argv);
    orvexal::AppState state;
    orvexal::MainWindow window(state, orvexal::SystemUtcTime);
    window.show();
    return app.exec();
}
