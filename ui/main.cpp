// Orvexal: the calculator window. It reads and writes its data files in the
// working folder.
#include <QApplication>

#include "data/app_state.h"
#include "pass/clock.h"
#include "ui/main_window.h"

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    orvexal::AppState state;
    orvexal::MainWindow window(state, orvexal::SystemUtcTime);
    window.show();
    return app.exec();
}
