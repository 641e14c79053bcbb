// The main window: its fields, captions and menus, the start-up in the
// working folder, "Calculate", and the settings written at the end.
#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>

#include "calc/pass.h"
#include "ui_test_support.h"

namespace orvexal::test {
namespace {

const QString kNotBeenLoaded = QStringLiteral("LOCATION file has NOT been loaded");
const QString kLoaded = QStringLiteral("LOCATION file was loaded.");
const QString kNotLoaded = QStringLiteral("LOCATION file was NOT loaded ***********");

// The settings file after a run that left the window where the start-up put
// it and the fields at their designed texts.
const QByteArray kFirstRunSettings = SettingsLines(
    {"100", "100", "\"Kestrine Astr. Observatory\"", "\"122.50514\"", "\"53.45289\"", "\"8\"", "\"-10\""});

// The texts of every field of the window, in a table.
FieldTable PassOver(const Program& program)
{
    FieldTable table;
    for (int i = 1; i <= kFieldCount; ++i) {
        const auto field = static_cast<Field>(i);
        table.SetText(field, program.window->Text(field));
    }
    return table;
}

}  // namespace

class MainWindowTest : public WindowTestCase {
    Q_OBJECT

public:
    MainWindowTest() : WindowTestCase(false) {}

private slots:
    void designedTexts_data();
    void designedTexts();
    void captions_data();
    void captions();
    void fonts_data();
    void fonts();
    void colours();
    void menus_data();
    void menus();
    void selectIsACommandOnTheMenuBar();

    void startupStatusLine_data();
    void startupStatusLine();
    void refusedStartupFileShowsItsMessageBeforeTheWindow();
    void emptyFolderStartsAtTheFallbackAndCreatesTheSettings();
    void settingsRestoreFieldsPositionAndSize();
    void incompleteSettingsAreNotApplied();
    void sizeIsTheSameWhateverItWasAtExit();

    void calculate_data();
    void calculate();
    void calculateWritesWhatThePassWrites();
    void constellationNeedsItsFile_data();
    void constellationNeedsItsFile();

    void exitWritesTheSettingsOnce();
    void movedWindowSavesItsPixelPosition_data();
    void movedWindowSavesItsPixelPosition();
    void unwritableSettingsDoNotStopTheExit();
    void closingEndsTheProgramWithOtherWindowsOpen();
};

void MainWindowTest::designedTexts_data()
{
    AddTextRows("field", {{"Text1", "Kestrine Astr. Observatory"}, {"Text2", "122.50514"},
                          {"Text3", "53.45289"}, {"Text4", "8"}, {"Text5", "0"}, {"Text6", "17.5557"},
                          {"Text7", "11.11111"}, {"Text8", "22.22222"}, {"Text9", "2000.0"},
                          {"Text10", "2000.0"}, {"Text11", "0"}, {"Text13", "0"}, {"Text19", "0"},
                          {"Text20", " "}, {"Text26", "0"}, {"Text27", "-10"}});
}

void MainWindowTest::designedTexts()
{
    QFETCH(QString, field);
    QFETCH(QString, text);
    const Program program;
    QCOMPARE(program.Text(field.toLatin1()), text);
}

void MainWindowTest::captions_data()
{
    AddTextRows("label", {
                             {"Label1", "ORVEXAL v43 for Windows"},
                             {"Label3", "LOCATION"},
                             {"Label4", "LONGITUDE (+ to W)"},
                             {"Label7", "D.MS"},
                             {"Label14", "RIGHT ASCENSION >>>>"},
                             {"Label16", "DECLINATION >>>>>>>>"},
                             {"Label21", "YYYY.y"},
                             {"Label22", "New Right Ascens."},
                             {"Label28", "Corr'n (+ JD = HJD)"},
                             {"Label29", "0.000dd"},
                             {"Label37", " "},
                             {"Label41", ""},
                             {"Label46", "Sun's Right Ascens."},
                             {"Label49", "D.M"},
                             {"Label53", "H.MS"},
                             {"Label54", "DEFINITION OF TWILIGHT: Sun altitude ="},
                             {"Label55", "degrees"},
                             {"Label56", "(negative  means below horizon)"},
                         });
}

void MainWindowTest::captions()
{
    QFETCH(QString, label);
    QFETCH(QString, text);
    const Program program;
    QCOMPARE(program.Find<QLabel>(label.toLatin1())->text(), text);
    QCOMPARE(program.window->windowTitle(), QStringLiteral("Orvexal for Windows"));
    QCOMPARE(program.Find<QPushButton>("Command1")->text(), QStringLiteral("Calculate"));
}

void MainWindowTest::fonts_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<double>("points");
    QTest::addColumn<bool>("bold");
    QTest::newRow("title") << "Label1" << 13.5 << true;
    QTest::newRow("status line") << "Label2" << 8.25 << true;
    QTest::newRow("input caption") << "Label14" << 8.25 << true;
    QTest::newRow("result caption") << "Label52" << 8.25 << true;
    QTest::newRow("unit hint") << "Label5" << 8.25 << false;
    QTest::newRow("twilight unit") << "Label55" << 8.25 << false;
    QTest::newRow("below horizon") << "Label56" << 8.25 << false;
    QTest::newRow("text box") << "Text13" << 8.25 << true;
    QTest::newRow("button") << "Command1" << 8.25 << true;
}

void MainWindowTest::fonts()
{
    QFETCH(QString, control);
    QFETCH(double, points);
    QFETCH(bool, bold);
    const Program program;
    const QFont font = program.Find<QWidget>(control.toLatin1())->font();
    QCOMPARE(font.pointSizeF(), points);
    QCOMPARE(font.bold(), bold);
    QCOMPARE(font.styleHint(), QFont::SansSerif);
}

void MainWindowTest::colours()
{
    const Program program;
    const QColor background(255, 224, 192);
    QCOMPARE(program.window->centralWidget()->palette().color(QPalette::Window), background);
    QVERIFY(program.window->centralWidget()->autoFillBackground());
    QCOMPARE(program.Find<QLabel>("Label1")->palette().color(QPalette::WindowText), QColor(0, 0, 192));
    QCOMPARE(program.Find<QLabel>("Label22")->palette().color(QPalette::Window), background);
}

void MainWindowTest::menus_data()
{
    QTest::addColumn<QString>("menu");
    QTest::addColumn<QStringList>("items");
    QTest::newRow("File") << "AtFile"
                          << QStringList{"&File", "AtOpen:&Open ...", "div1:", "AtExit:E&xit"};
    QTest::newRow("Help") << "AtHelp"
                          << QStringList{"&Help", "AtHelp1:Help&1 - Input", "AtHelp2:Help&2 - Output",
                                         "AtHelp3:Help&3 - Justification", "lin2:", "AtAbout:&About"};
}

// The items are "name:text" in menu order; a separator has no text.
void MainWindowTest::menus()
{
    QFETCH(QString, menu);
    QFETCH(QStringList, items);
    const Program program;
    const auto* shown = program.Find<QMenu>(menu.toLatin1());
    QCOMPARE(shown->title(), items.takeFirst());
    QStringList actual;
    for (const QAction* action : shown->actions()) {
        QCOMPARE(action->isSeparator(), action->text().isEmpty());
        actual << action->objectName() + QLatin1Char(':') + action->text();
    }
    QCOMPARE(actual, items);
}

void MainWindowTest::selectIsACommandOnTheMenuBar()
{
    const Program program;
    QStringList bar;
    for (const QAction* action : program.window->menuBar()->actions()) {
        bar << action->text();
    }
    QCOMPARE(bar, (QStringList{"&File", "&Select Loc'n", "&Help"}));
    const auto* select = program.Find<QAction>("AtSelect");
    QCOMPARE(select->menu(), nullptr);
    QVERIFY(program.window->menuBar()->actions().contains(const_cast<QAction*>(select)));
}

void MainWindowTest::startupStatusLine_data()
{
    QTest::addColumn<QStringList>("shipped");
    QTest::addColumn<QString>("status");
    QTest::newRow("nothing") << QStringList{} << kNotBeenLoaded;
    QTest::newRow("no constellation file: load skipped") << QStringList{"LOCATION.DAT"} << kNotBeenLoaded;
    QTest::newRow("no location file") << QStringList{"Constell.dat"} << kNotLoaded;
    QTest::newRow("both") << QStringList{"Constell.dat", "LOCATION.DAT"} << kLoaded;
}

void MainWindowTest::startupStatusLine()
{
    QFETCH(QStringList, shipped);
    QFETCH(QString, status);
    for (const QString& name : shipped) {
        Folder().CopyShipped(name, name);
    }
    const MessageBoxes boxes;
    const Program program;
    QCOMPARE(program.Text("Label2"), status);
    QCOMPARE(program.state->locations.LocCount > 0, status == kLoaded);
    QVERIFY(boxes.Boxes().isEmpty());
}

void MainWindowTest::refusedStartupFileShowsItsMessageBeforeTheWindow()
{
    Folder().CopyShipped("Constell.dat", "Constell.dat");
    Folder().CopyShipped("Constell.dat", "LOCATION.DAT");
    MessageBoxes boxes;
    QList<bool> windowShown;
    boxes.onShown = [&windowShown] {
        const auto* main = QApplication::activeModalWidget()->parentWidget();
        windowShown << (main != nullptr && main->isVisible());
    };
    const Program program;
    QCOMPARE(boxes.Boxes().size(), 1);
    QCOMPARE(boxes.Boxes()[0].text,
             QStringLiteral("This is the constellation file.  Please load the location file."));
    QCOMPARE(boxes.Boxes()[0].title, QStringLiteral("Orvexal"));
    QCOMPARE(boxes.Boxes()[0].icon, QMessageBox::NoIcon);
    QCOMPARE(boxes.Boxes()[0].buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    QCOMPARE(windowShown, QList<bool>{false});
    QCOMPARE(program.Text("Label2"), kNotBeenLoaded);
    QCOMPARE(program.state->locations.LocCount, 0);
}

void MainWindowTest::emptyFolderStartsAtTheFallbackAndCreatesTheSettings()
{
    {
        const Program program;
        QCOMPARE(program.window->pos(), QPoint(7, 7));
        program.window->show();
        QVERIFY(QTest::qWaitForWindowExposed(program.window.get()));
        program.Click("Command1");
        QCOMPARE(program.Text("Text20"), QString());
        QVERIFY(!QFile::exists(Folder().FilePath("Orvex3.ini")));
        program.window->close();
    }
    QCOMPARE(Folder().Read("Orvex3.ini"), kFirstRunSettings);
}

void MainWindowTest::settingsRestoreFieldsPositionAndSize()
{
    Folder().CopyShipped("Constell.dat", "Constell.dat");
    Folder().CopyShipped("LOCATION.DAT", "LOCATION.DAT");
    Folder().Write("Orvex3.ini", SettingsLines({"1500", "-900", "\"Dome, north\"", "\"-7.3\"",
                                                "\"-33.5\"", "\"-1\"", "-12"}));
    const Program program;
    QCOMPARE(program.Text("Text1"), QStringLiteral("Dome, north"));
    QCOMPARE(program.Text("Text2"), QStringLiteral("-7.3"));
    QCOMPARE(program.Text("Text3"), QStringLiteral("-33.5"));
    QCOMPARE(program.Text("Text4"), QStringLiteral("-1"));
    QCOMPARE(program.Text("Text27"), QStringLiteral("-12"));
    QCOMPARE(program.Text("Text5"), QStringLiteral("0"));
    QCOMPARE(program.Text("Label2"), kLoaded);
    QCOMPARE(program.window->pos(), QPoint(100, -60));
    // 9150 x 7080 twips, wider only where the columns had to move apart.
    QCOMPARE(program.window->height(), 472);
    QVERIFY(program.window->width() >= 610);
    QVERIFY(program.window->width() >= program.window->centralWidget()->childrenRect().right());
    program.window->close();
    QCOMPARE(Folder().Read("Orvex3.ini"),
             SettingsLines({"1500", "-900", "\"Dome, north\"", "\"-7.3\"", "\"-33.5\"", "\"-1\"",
                            "\"-12\""}));
}

void MainWindowTest::incompleteSettingsAreNotApplied()
{
    Folder().Write("Orvex3.ini", SettingsLines({"3000", "3000", "\"Elsewhere\"", "\"1\"", "\"2\"", "\"3\""}));
    const Program program;
    QCOMPARE(program.window->pos(), QPoint(7, 7));
    QCOMPARE(program.Text("Text1"), QStringLiteral("Kestrine Astr. Observatory"));
    QCOMPARE(program.Text("Text27"), QStringLiteral("-10"));
    program.window->close();
    QCOMPARE(Folder().Read("Orvex3.ini"), kFirstRunSettings);
}

void MainWindowTest::sizeIsTheSameWhateverItWasAtExit()
{
    Folder().Write("Orvex3.ini", kFirstRunSettings);
    QSize restored;
    for (const QSize atExit : {QSize(900, 700), QSize(300, 200)}) {
        const Program program;
        if (restored.isValid()) {
            QCOMPARE(program.window->size(), restored);
        }
        restored = program.window->size();
        program.window->resize(atExit);
        program.window->close();
    }
    QCOMPARE(restored.height(), 472);
}

void MainWindowTest::calculate_data()
{
    QTest::addColumn<QStringList>("typed");     // "TextN=text"
    QTest::addColumn<QStringList>("expected");  // "TextN=text"
    QTest::addColumn<QString>("message");       // the fault named, if any
    QTest::newRow("designed fields, date from the clock")
        << QStringList{}
        << QStringList{"Text2=122.50514", "Text3=53.45289", "Text4=8", "Text5=2026.1205",
                       "Text6=04.4849", "Text7=11.11111", "Text8=22.22222", "Text9=2000",
                       "Text10=2000", "Text11=11.11111", "Text12=22.22222", "Text13= 2461380.03390",
                       "Text27=-10"} << QString();
    QTest::newRow("the hour carries the date into the next year")
        << QStringList{"Text5=2024.1231"} << QStringList{"Text5=2024.1231", "Text6=17.5557",
                                                        "Text13= 2460676.58052"} << QString();
    QTest::newRow("ut hour 24 stays on the date")
        << QStringList{"Text5=2024.1231", "Text6=16.0000"}
        << QStringList{"Text6=16", "Text13= 2460676.5"} << QString();
    QTest::newRow("half-hour zones round to even")
        << QStringList{"Text4=7.5"} << QStringList{"Text4=8"} << QString();
    QTest::newRow("negative half-hour zone")
        << QStringList{"Text4=-5.5"} << QStringList{"Text4=-6"} << QString();
    QTest::newRow("new epoch of the date")
        << QStringList{"Text5=2024.0702", "Text6=0", "Text4=0", "Text10=0"}
        << QStringList{"Text10=2024.501", "Text6=0"} << QString();
    QTest::newRow("inputs normalised")
        << QStringList{"Text2=122.50514abc", "Text3=", "Text9=1950.0"}
        << QStringList{"Text2=122.50514", "Text3=0", "Text9=1950"} << QString();
    // A pass ending on a fault keeps the fields it wrote, and the program goes on.
    QTest::newRow("latitude beyond the double range")
        << QStringList{"Text2=122.50514abc", "Text3=1e400"}
        << QStringList{"Text2=122.50514", "Text3=1e400", "Text5=0", "Text13=0"} << "Overflow";
    QTest::newRow("target at the pole seen from the pole")
        << QStringList{"Text3=90", "Text8=90", "Text5=2024.0101"}
        << QStringList{"Text13= 2460311.58052", "Text11=11.11111", "Text26=0"} << "Division by zero";
}

void MainWindowTest::calculate()
{
    QFETCH(QStringList, typed);
    QFETCH(QStringList, expected);
    QFETCH(QString, message);
    const MessageBoxes boxes;
    const Program program;
    program.window->show();
    for (const QString& entry : typed) {
        program.Type(entry.section('=', 0, 0).toLatin1(), entry.section('=', 1));
    }
    program.Click("Command1");
    for (const QString& entry : expected) {
        QCOMPARE(entry.section('=', 0, 0) + '=' + program.Text(entry.section('=', 0, 0).toLatin1()),
                 entry);
    }
    QCOMPARE(boxes.Boxes().size(), message.isEmpty() ? 0 : 1);
    if (!message.isEmpty()) {
        QCOMPARE(boxes.Boxes()[0].text, message);
        QCOMPARE(boxes.Boxes()[0].title, QStringLiteral("Orvexal"));
        QCOMPARE(boxes.Boxes()[0].icon, QMessageBox::Warning);
    }
    QVERIFY(program.window->isVisible());
}

// Every field of the window holds what the pass writes into a table of the
// same texts: no field is wired to the wrong box.
void MainWindowTest::calculateWritesWhatThePassWrites()
{
    Folder().CopyShipped("Constell.dat", "Constell.dat");
    const Program program;
    program.Type("Text6", "21.3");
    program.Type("Text10", "0");
    FieldTable expected = PassOver(program);
    SunPlace sun;
    QVERIFY(!CalculatePass(expected, program.state->constellations, sun, FixedNow));
    program.Click("Command1");
    for (int i = 1; i <= kFieldCount; ++i) {
        const auto field = static_cast<Field>(i);
        QCOMPARE(program.window->Text(field), expected.Text(field));
    }
    QCOMPARE(program.state->sun.SunRA, sun.SunRA);
    QVERIFY(program.Text("Text13") != QStringLiteral("0"));
    QVERIFY(program.Text("Text26") != QStringLiteral("0"));
}

void MainWindowTest::constellationNeedsItsFile_data()
{
    QTest::addColumn<bool>("withFile");
    QTest::addColumn<QString>("constellation");
    QTest::newRow("without Constell.dat") << false << QString();
    QTest::newRow("with Constell.dat") << true << QStringLiteral("Ori");
}

void MainWindowTest::constellationNeedsItsFile()
{
    QFETCH(bool, withFile);
    QFETCH(QString, constellation);
    if (withFile) {
        Folder().CopyShipped("Constell.dat", "Constell.dat");
    }
    const Program program;
    program.Type("Text7", "5.35");
    program.Type("Text8", "0");
    program.Click("Command1");
    QCOMPARE(program.Text("Text20"), constellation);
}

void MainWindowTest::exitWritesTheSettingsOnce()
{
    {
        const Program program;
        program.window->show();
        QVERIFY(QTest::qWaitForWindowExposed(program.window.get()));
        program.Type("Text1", "Exit test");
        program.Trigger("AtExit");
        QVERIFY(!program.window->isVisible());
        QCOMPARE(Folder().Read("Orvex3.ini").split('\n').value(2), QByteArray("\"Exit test\""));
        QVERIFY(QFile::remove(Folder().FilePath("Orvex3.ini")));
        QCoreApplication::processEvents();
    }
    QVERIFY(!QFile::exists(Folder().FilePath("Orvex3.ini")));
}

void MainWindowTest::movedWindowSavesItsPixelPosition_data()
{
    QTest::addColumn<QPoint>("moveTo");
    QTest::addColumn<QByteArray>("left");
    QTest::addColumn<QByteArray>("top");
    QTest::addColumn<QPoint>("restored");
    QTest::newRow("on the screen") << QPoint(40, 30) << QByteArray("600") << QByteArray("450")
                                   << QPoint(40, 30);
    QTest::newRow("partly off the top left") << QPoint(-20, -3) << QByteArray("-300")
                                             << QByteArray("-45") << QPoint(-20, -3);
    QTest::newRow("beyond the 16-bit range") << QPoint(3000, -3000) << QByteArray("32767")
                                              << QByteArray("-32768") << QPoint(2184, -2185);
}

void MainWindowTest::movedWindowSavesItsPixelPosition()
{
    QFETCH(QPoint, moveTo);
    QFETCH(QByteArray, left);
    QFETCH(QByteArray, top);
    QFETCH(QPoint, restored);
    {
        const Program program;
        program.window->move(moveTo);
        program.window->close();
    }
    const QList<QByteArray> lines = Folder().Read("Orvex3.ini").split('\n');
    QCOMPARE(lines.value(0), left);
    QCOMPARE(lines.value(1), top);
    const Program restarted;
    QCOMPARE(restarted.window->pos(), restored);
}

void MainWindowTest::unwritableSettingsDoNotStopTheExit()
{
    QVERIFY(QDir(Folder().Path()).mkpath("Orvex3.ini/occupied"));
    const Program program;
    program.window->show();
    program.Trigger("AtExit");
    QVERIFY(!program.window->isVisible());
    QVERIFY(QFileInfo(Folder().FilePath("Orvex3.ini")).isDir());
}

// The event loop of the program ends at once, though the help pages, the
// About box and the open dialog are still on the screen.
void MainWindowTest::closingEndsTheProgramWithOtherWindowsOpen()
{
    const Program program;
    program.window->show();
    for (const char* command : {"AtHelp1", "AtHelp3", "AtAbout", "AtOpen"}) {
        program.Trigger(command);
    }
    QTimer::singleShot(0, program.window.get(), &QWidget::close);
    QTimer::singleShot(5000, [] { QCoreApplication::exit(1); });
    QCOMPARE(QApplication::exec(), 0);
    QVERIFY(QFile::exists(Folder().FilePath("Orvex3.ini")));
}

}  // namespace orvexal::test

QTEST_MAIN(orvexal::test::MainWindowTest)
#include "main_window_test.moc"
