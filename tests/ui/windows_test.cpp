// Every window of the program driven offscreen through its named controls,
// each test in a fresh temporary working folder.
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>
#include <memory>

#include "pass/pass.h"
#include "ui/controls.h"
#include "ui/main_window.h"

namespace orvexal::test {
namespace {

const QString kNotBeenLoaded = QStringLiteral("LOCATION file has NOT been loaded");
const QString kLoaded = QStringLiteral("LOCATION file was loaded.");
const QString kNotLoaded = QStringLiteral("LOCATION file was NOT loaded ***********");
const QString kRefused = QStringLiteral("Orvexal: This is the constellation file.  Please load the location file.");
const QByteArray kFirstSites = "Sites for the tests\nname, longitude, latitude, zone\n"
                               "\"Dome, north\",122.50514,53.45289,8\nEast Station,-7.5,-33.25,-2\nZero,0.5,0,0\n";
const QStringList kDesignedSite = {"Kestrine Astr. Observatory", "122.50514", "53.45289", "8"};

// Files of the working folder; a shipped one comes from share/ of the source tree.
void Write(const QString& name, const QByteArray& content)
{
    QDir::current().mkpath(QFileInfo(name).path());
    QFile file(name);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(content) == content.size());
}

QByteArray Read(const QString& name)
{
    QFile file(name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void CopyShipped(const QString& shipped, const QString& name)
{
    QVERIFY(QFile::copy(QStringLiteral(ORVEXAL_SHARE_DIR "/") + shipped, name));
}

// A file of the working folder: a shipped one, or a folder.
void Place(const QString& source, const QString& name)
{
    if (source == QLatin1String("folder")) {
        QVERIFY(QDir().mkpath(name + QLatin1String("/inside")));
    } else {
        CopyShipped(source, name);
    }
}

// The settings file after a run that left the window where the start-up put
// it and the fields at their designed texts.
const QByteArray kFirstRun = "100\n100\n\"Kestrine Astr. Observatory\"\n\"122.50514\"\n\"53.45289\"\n\"8\"\n\"-10\"\n";

// Answers every message box that comes up while it lives with OK, keeping
// "title: text" of each.
struct MessageBoxes {
    MessageBoxes()
    {
        timer.callOnTimeout([this] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (box != nullptr && box->isVisible()) {
                shown << box->windowTitle() + QStringLiteral(": ") + box->text();
                box->button(QMessageBox::Ok)->click();
            }
        });
        timer.start(10);
    }
    QTimer timer;
    QStringList shown;
};

// 2026-12-05 04:48:49, the clock of every test.
const Clock kFixedNow = [] { return DateTime{2026, 12, 5, 12, 48, 49}; };

// The program as main() makes it, started in the working folder, its main
// window shown. Controls are found by name in a window found by name.
struct Program {
    Program() { window->show(); }
    template <typename T = QWidget>
    T* Find(const char* name, const char* inWindow = "frmMain") const
    {
        QWidget* shown = window->objectName() == QLatin1String(inWindow)
                             ? window.get()
                             : window->findChild<QWidget*>(QLatin1String(inWindow));
        return shown->objectName() == QLatin1String(name) ? qobject_cast<T*>(shown)
                                                          : shown->findChild<T*>(QLatin1String(name));
    }
    QString Text(const char* name, const char* inWindow = "frmMain") const
    {
        return Find(name, inWindow)->property("text").toString();
    }
    // The texts of the main window's controls named in "name=text" entries, in that form.
    QStringList Texts(const QStringList& entries) const
    {
        QStringList texts;
        for (const QString& entry : entries) {
            const QString name = entry.section(QLatin1Char('='), 0, 0);
            texts << name + QLatin1Char('=') + Text(name.toLatin1());
        }
        return texts;
    }
    bool Visible(const char* window) const { return Find(window, window)->isVisible(); }
    void Type(const char* name, const QString& text) const
    {
        auto* box = Find<QLineEdit>(name);
        box->clear();
        QTest::keyClicks(box, text);
    }
    void Trigger(const char* action) const { window->findChild<QAction*>(QLatin1String(action))->trigger(); }
    void Click(const char* button, const char* inWindow = "frmMain") const
    {
        QTest::mouseClick(Find<QPushButton>(button, inWindow), Qt::LeftButton);
    }
    // File > Open, a name typed, OK.
    void Load(const QString& name) const
    {
        Trigger("AtOpen");
        Find<QLineEdit>("Text1", "frmOpen")->setText(name);
        Click("Command1", "frmOpen");
    }

    std::unique_ptr<AppState> state = std::make_unique<AppState>();
    std::unique_ptr<MainWindow> window = std::make_unique<MainWindow>(*state, kFixedNow);
};

QStringList Items(const QListWidget* list)
{
    QStringList items;
    for (int row = 0; row < list->count(); ++row) {
        items << list->item(row)->text();
    }
    return items;
}

// A press and release, then the second press as a double-click, as a mouse
// gives them: the views act on a double-click only on the item pressed first.
void ClickAt(QAbstractItemView* view, const QRect& item, bool twice = false)
{
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, item.center());
    if (twice) {
        QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, item.center());
    }
}

// A start-up in a folder holding only the row's files, then File > Exit.
struct StartupCase {
    QStringList files{};  // "source>name" (see Place), or the shipped name
    QByteArray settings{};
    QString status = kNotBeenLoaded;
    QStringList boxes{};
    QPoint pos{7, 7};  // 100, 100 twips
    int height = 0;    // 0: not checked
    QStringList fields{"Text1=Kestrine Astr. Observatory", "Text27=-10"};  // "name=text"
    QByteArray saved = kFirstRun;
};

struct CalculateCase {
    QStringList typed;        // "TextN=text"
    QStringList expected;     // "TextN=text"
    QString fault{};          // named by the message box
    bool boundaries = false;  // Constell.dat in the folder
};

struct LoadCase {
    QString how;
    QString file;
    QString status{};  // null: the status line of the start-up stays
    int count = 0;
    QStringList boxes{};
};

// After first.dat was loaded and the picker shown.
struct PickerCase {
    QStringList actions;
    QStringList site;  // Text1 .. Text4
    bool shown = false;
    QStringList names{"Dome, north", "East Station", "Zero"};
};

struct HelpCase {
    QString opened;  // the pages opened from the menu, in order
    int page;
    const char* button;
    QString shown;  // the pages on the screen after
};

}  // namespace

// The folder of every test holds location files and the constellation file
// under another name, so that the start-up skips the location file, unless a
// test starts again in a new empty folder; the program starts on first use.
class WindowsTest : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> folder_;
    std::unique_ptr<Program> program_;

    const Program& The() { return program_ ? *program_ : *(program_ = std::make_unique<Program>()); }
    template <typename T = QWidget>
    T* Dialog(const char* name = "frmOpen")
    {
        return The().Find<T>(name, "frmOpen");
    }
    void NewFolder()
    {
        folder_ = std::make_unique<QTemporaryDir>();
        QDir::setCurrent(folder_->path());
    }

private slots:
    void init()
    {
        NewFolder();
        for (const char* name : {"first.dat", "notes.txt", "noext", "with sites/zeta.dat", "with sites/alpha.dat"}) {
            Write(QLatin1String(name), kFirstSites);
        }
        Write("SECOND.DAT", "Other sites\nname, longitude, latitude, zone\nHill,-0.3,51.28,0\nValley,80.1,-20.05,5\n");
        Write("bad.dat", "Sites for the tests\nname, longitude, latitude, zone\n");
        CopyShipped("Constell.dat", "Boundaries.dat");
    }

    void cleanup()
    {
        program_.reset();
        QDir::setCurrent(QDir::tempPath());
        folder_.reset();
    }

    void startup_data()
    {
        QTest::addColumn<StartupCase>("row");
        QTest::newRow("empty folder") << StartupCase{
            .fields = {"Text2=122.50514", "Text5=0", "Text6=17.5557", "Text13=0", "Text20= ", "Text27=-10",
                       "Label4=LONGITUDE (+ to W)", "Label54=DEFINITION OF TWILIGHT: Sun altitude ="}};
        QTest::newRow("no location file") << StartupCase{.files = {"Constell.dat"}, .status = kNotLoaded};
        QTest::newRow("constellation file as location file")
            << StartupCase{.files = {"Constell.dat", "Constell.dat>LOCATION.DAT"}, .boxes = {kRefused}};
        // 9150 x 7080 twips; the settings are written back quoted.
        QTest::newRow("shipped files and settings") << StartupCase{
            .files = {"Constell.dat", "LOCATION.DAT"},
            .settings = "1500\n-900\n\"Dome, north\"\n\"-7.3\"\n\"-33.5\"\n\"-1\"\n-12\n",
            .status = kLoaded,
            .pos = {100, -60},
            .height = 472,
            .fields = {"Text1=Dome, north", "Text2=-7.3", "Text3=-33.5", "Text4=-1", "Text5=0", "Text27=-12"},
            .saved = "1500\n-900\n\"Dome, north\"\n\"-7.3\"\n\"-33.5\"\n\"-1\"\n\"-12\"\n"};
        // A folder where a file is expected fails its step; the one where the
        // settings file was is left as it is.
        QTest::newRow("every file a folder") << StartupCase{
            .files = {"folder>Constell.dat", "folder>LOCATION.DAT", "folder>Orvex3.ini"}, .saved = {}};
        // A NUL is kept; a byte that is no UTF-8 shows, and is saved, as U+FFFD.
        const auto named = [](const QByteArray& name) {
            return "100\n100\n\"" + name + "\"\n\"1\"\n\"2\"\n\"3\"\n\"-12\"\n";
        };
        QTest::newRow("NUL and a byte that is no UTF-8") << StartupCase{
            .files = {"Constell.dat", "LOCATION.DAT"},
            .settings = named(QByteArray("Do") + '\0' + "me\xff"),
            .status = kLoaded,
            .fields = {"Text1=Do" + QString(QChar(0)) + "me" + QChar(0xFFFD)},
            .saved = named(QByteArray("Do") + '\0' + "me\xef\xbf\xbd")};
    }

    void startup()
    {
        QFETCH(StartupCase, row);
        NewFolder();  // holding only the files of the row
        for (const QString& file : row.files) {
            Place(file.section('>', 0, 0), file.section('>', -1));
        }
        if (!row.settings.isEmpty()) {
            Write("Orvex3.ini", row.settings);
        }
        const QByteArray before = Read("Orvex3.ini");
        const MessageBoxes shown;
        QCOMPARE(The().Text("Label2"), row.status);
        QCOMPARE(shown.shown, row.boxes);
        QCOMPARE(The().window->pos(), row.pos);
        QCOMPARE(The().Texts(row.fields), row.fields);
        if (row.height != 0) {
            QCOMPARE(The().window->frameGeometry().height(), row.height);  // frame included
            QVERIFY(The().window->width() >= qMax(610, The().window->centralWidget()->childrenRect().right()));
        }
        QCOMPARE(Read("Orvex3.ini"), before);
        The().Trigger("AtExit");
        QVERIFY(!The().window->isVisible());
        QCOMPARE(Read("Orvex3.ini"), row.saved);
    }

    void calculate_data()
    {
        QTest::addColumn<CalculateCase>("row");
        QTest::newRow("designed fields, date from the clock") << CalculateCase{
            {},
            {"Text2=122.50514", "Text3=53.45289", "Text4=8", "Text5=2026.1205", "Text6=04.4849", "Text7=11.11111",
             "Text8=22.22222", "Text9=2000", "Text10=2000", "Text11=11.11111", "Text12=22.22222",
             "Text13= 2461380.03390", "Text20=", "Text27=-10"}};
        QTest::newRow("constellation from its file")
            << CalculateCase{{"Text7=5.35", "Text8=0"}, {"Text20=Ori"}, {}, true};
        // A pass ending on a fault keeps the fields it wrote, and the program goes on.
        QTest::newRow("latitude beyond the double range") << CalculateCase{
            {"Text2=122.50514abc", "Text3=1e400"}, {"Text2=122.50514", "Text3=1e400", "Text5=0", "Text13=0"},
            "Overflow"};
    }

    // Besides the texts given, every field of the window holds what the pass
    // writes into a table of the same texts: no field is wired to the wrong box.
    void calculate()
    {
        QFETCH(CalculateCase, row);
        NewFolder();  // holding only the files of the row
        if (row.boundaries) {
            CopyShipped("Constell.dat", "Constell.dat");
        }
        const MessageBoxes boxes;
        for (const QString& entry : row.typed) {
            The().Type(entry.section('=', 0, 0).toLatin1(), entry.section('=', 1));
        }
        FieldTable table;
        for (int i = 1; i <= kFieldCount; ++i) {
            table.SetText(static_cast<Field>(i), The().window->Text(static_cast<Field>(i)));
        }
        SunPlace sun;
        QCOMPARE(CalculatePass(table, The().state->constellations, sun, kFixedNow).has_value(), !row.fault.isEmpty());
        The().Click("Command1");
        QCOMPARE(The().Texts(row.expected), row.expected);
        for (int i = 1; i <= kFieldCount; ++i) {
            const auto field = static_cast<Field>(i);
            QCOMPARE(The().Text(FieldName(field).c_str()), QString::fromStdString(table.Text(field)));
        }
        QCOMPARE(boxes.shown.join('\n').section('\n', 0, 0), row.fault.isEmpty() ? QString() : "Orvexal: " + row.fault);
        QVERIFY(The().window->isVisible());
    }

    // The event loop ends at once though other windows are still on the
    // screen, and nothing writes the settings again afterwards.
    void exitWithOtherWindowsOpenSavesOnce()
    {
        The().Type("Text1", "Exit test");
        for (const char* command : {"AtHelp1", "AtHelp3", "AtAbout", "AtOpen"}) {
            The().Trigger(command);
        }
        QTimer::singleShot(0, The().window.get(), [this] { The().Trigger("AtExit"); });
        QTimer::singleShot(5000, The().window.get(), [] { QCoreApplication::exit(1); });
        QCOMPARE(QApplication::exec(), 0);
        QCOMPARE(Read("Orvex3.ini").split('\n').value(2), QByteArray("\"Exit test\""));
        QVERIFY(QFile::remove("Orvex3.ini"));
        QCoreApplication::processEvents();
        program_.reset();
        QVERIFY(!QFile::exists("Orvex3.ini"));
    }

    void movedWindowSavesItsPixelPosition_data()
    {
        QTest::addColumn<QPoint>("moveTo");
        QTest::addColumn<QByteArray>("saved");  // the first two lines, twips
        QTest::addColumn<QPoint>("restored");
        QTest::newRow("on the screen") << QPoint(40, 30) << QByteArray("600\n450\n") << QPoint(40, 30);
        QTest::newRow("partly off the top left") << QPoint(-20, -3) << QByteArray("-300\n-45\n") << QPoint(-20, -3);
        // Restored off every screen: onto the offscreen one, 800 pixels wide.
        QTest::newRow("beyond 16 bits") << QPoint(3000, -3000) << QByteArray("32767\n-32768\n") << QPoint(176, 0);
    }

    void movedWindowSavesItsPixelPosition()
    {
        QFETCH(QPoint, moveTo);
        QFETCH(QByteArray, saved);
        QFETCH(QPoint, restored);
        The().window->move(moveTo);
        The().window->close();
        program_.reset();
        QCOMPARE(Read("Orvex3.ini").left(saved.size()), saved);
        QCOMPARE(The().window->pos(), restored);
    }

    // The longest text a box holds, of characters that take three bytes
    // each in the settings file, comes back at the next start.
    void longestFieldTextIsRestored()
    {
        The().Find<QLineEdit>("Text1")->setText(QString(kMaxFieldLength + 1, QChar(0x20AC)));
        The().window->close();
        program_.reset();
        QCOMPARE(The().Text("Text1"), QString(kMaxFieldLength, QChar(0x20AC)));
    }

    // The list is read afresh on every File > Open: the pattern goes through
    // "*.*" and back to "*.dat", whichever was chosen last.
    void openComesBackWithDatAndAFreshList()
    {
        QVERIFY(!Dialog()->isVisible());  // prepared hidden at the start-up, before z.dat is made
        const QStringList dat{"bad.dat", "Boundaries.dat", "first.dat", "SECOND.DAT", "z.dat"};
        Write("z.dat", kFirstSites);
        The().Trigger("AtOpen");
        QCOMPARE(Items(Dialog<QListWidget>("File1")), dat);
        Dialog<QComboBox>("Combo1")->setCurrentIndex(1);
        QCOMPARE(Items(Dialog<QListWidget>("File1")),
                 (QStringList{"bad.dat", "Boundaries.dat", "first.dat", "noext", "notes.txt", "SECOND.DAT", "z.dat"}));
        The().Click("Command2", "frmOpen");
        QVERIFY(!Dialog()->isVisible());
        The().Trigger("AtOpen");
        QCOMPARE(Dialog<QComboBox>("Combo1")->currentText(), QStringLiteral("*.dat"));
        QCOMPARE(Items(Dialog<QListWidget>("File1")), dat);
    }

    // Pixels of the twips the layout rules give, 15 to the pixel, at a size
    // other than the designed one; labels are sized to their text.
    void openDialogLayout()
    {
        const std::pair<const char*, QRect> places[] = {
            {"Text1", {8, 24, 158, 21}},   {"File1", {8, 56, 158, 96}},   {"Label2", {8, 162, 0, 0}},
            {"Combo1", {8, 178, 158, 21}}, {"Label3", {181, 8, 0, 0}},    {"Label4", {181, 24, 0, 0}},
            {"Dir1", {181, 48, 134, 110}}, {"Label5", {181, 162, 0, 0}},  {"Drive1", {181, 178, 134, 21}},
            {"Command1", {329, 48, 89, 25}}, {"Command2", {329, 80, 89, 25}},
        };
        The().Trigger("AtOpen");
        Dialog()->resize(900, 700);
        for (const auto& [name, place] : places) {
            const QRect shown = Dialog(name)->geometry();
            QVERIFY2(QRect(shown.topLeft(), place.isEmpty() ? QSize(0, 0) : shown.size()) == place, name);
        }
    }

    // A folder is entered by a double-click and its first file named; the
    // path is shortened in the middle where it is too long for the label. A
    // click on a file puts its bare name.
    void folderChange()
    {
        The().Trigger("AtOpen");
        auto* folders = Dialog<QTreeWidget>("Dir1");
        const auto found = folders->findItems("with sites", Qt::MatchExactly | Qt::MatchRecursive);
        ClickAt(folders, folders->visualItemRect(found.value(0)), true);
        auto* files = Dialog<QListWidget>("File1");
        QCOMPARE(Items(files), (QStringList{"alpha.dat", "zeta.dat"}));
        QCOMPARE(Dialog<QLineEdit>("Text1")->text(), QStringLiteral("alpha.dat"));
        const auto* path = Dialog<QLabel>("Label4");
        QCOMPARE(path->toolTip(), QDir::toNativeSeparators(QDir::current().filePath("with sites")));
        QVERIFY2(path->text().startsWith("/tmp") && path->text().endsWith("with sites"), qPrintable(path->text()));
        QVERIFY(path->fontMetrics().horizontalAdvance(path->text()) <= path->width());
        ClickAt(files, files->visualItemRect(files->item(1)));
        QCOMPARE(Dialog<QLineEdit>("Text1")->text(), QStringLiteral("zeta.dat"));
        QVERIFY(Dialog()->isVisible() && The().state->locations.LocCount == 0);
    }

    void load_data()
    {
        QTest::addColumn<LoadCase>("row");
        QTest::newRow("OK, location file") << LoadCase{"OK", "first.dat", kLoaded, 3};
        QTest::newRow("double-click on the file") << LoadCase{"double-click on the file", "SECOND.DAT", kLoaded, 2};
        QTest::newRow("double-click on the name") << LoadCase{"double-click on the name", "first.dat", kLoaded, 3};
        QTest::newRow("typed absolute path") << LoadCase{"OK, absolute path", "with sites/zeta.dat", kLoaded, 3};
        QTest::newRow("missing file") << LoadCase{"OK", "location.dat", kNotLoaded};
        QTest::newRow("a folder") << LoadCase{"OK", "with sites", kNotLoaded};
        QTest::newRow("constellation file") << LoadCase{"OK", "Boundaries.dat", {}, 0, {kRefused}};
        QTest::newRow("Cancel") << LoadCase{"Cancel", "first.dat"};
        QTest::newRow("close control, like Cancel") << LoadCase{"close", "first.dat"};
    }

    void load()
    {
        QFETCH(LoadCase, row);
        const auto& [how, file, status, count, boxes] = row;
        const MessageBoxes shown;
        const QString before = The().Text("Label2");
        The().Trigger("AtOpen");
        const QPointer<QWidget> dialog = Dialog();
        const QString name = how.endsWith(QLatin1String("absolute path")) ? QDir::current().filePath(file) : file;
        auto* box = Dialog<QLineEdit>("Text1");
        box->setText(how == QLatin1String("double-click on the file") ? QString() : name);
        if (how == QLatin1String("double-click on the file")) {
            auto* files = Dialog<QListWidget>("File1");
            ClickAt(files, files->visualItemRect(files->findItems(file, Qt::MatchExactly).value(0)), true);
        } else if (how == QLatin1String("double-click on the name")) {
            QTest::mouseDClick(box, Qt::LeftButton);
        } else if (how == QLatin1String("close")) {
            dialog->close();
        } else {
            The().Click(how == QLatin1String("Cancel") ? "Command2" : "Command1", "frmOpen");
        }
        QCoreApplication::processEvents();
        QVERIFY(dialog && !dialog->isVisible());
        QCOMPARE(The().Text("Label2"), status.isNull() ? before : status);
        QCOMPARE(int(The().state->locations.LocCount), count);
        const bool chosen = how != QLatin1String("Cancel") && how != QLatin1String("close");
        QCOMPARE(The().state->locations.LocFileName,
                 chosen ? QFile::encodeName(QDir::current().filePath(name)).toStdString() : std::string());
        QCOMPARE(shown.shown, boxes);
    }

    void picker_data()
    {
        QTest::addColumn<PickerCase>("row");
        const QStringList dome{"Dome, north", " 122.50514", " 53.45289", " 8"};
        const QStringList east{"East Station", "-7.5", "-33.25", "-2"};
        QTest::newRow("click copies, west and quoted") << PickerCase{{"click 0"}, dome, true};
        QTest::newRow("click copies, east and negative") << PickerCase{{"click 1"}, east, true};
        QTest::newRow("double-click copies and hides") << PickerCase{{"double-click 1"}, east};
        QTest::newRow("OK copies the chosen site") << PickerCase{{"choose 2", "OK"}, {"Zero", " .5", " 0", " 0"}};
        QTest::newRow("OK without selection only hides") << PickerCase{{"OK"}, kDesignedSite};
        QTest::newRow("Cancel keeps what a click copied") << PickerCase{{"click 0", "Cancel"}, dome};
        // A failed load keeps the list of the last successful one.
        QTest::newRow("relisted after another file") << PickerCase{
            {"Cancel", "load SECOND.DAT", "load bad.dat", "select", "click 0"}, {"Hill", "-.3", " 51.28", " 0"}, true,
            {"Hill", "Valley"}};
    }

    void picker()
    {
        QFETCH(PickerCase, row);
        auto* list = The().Find<QListWidget>("List1", "frmSelectLocation");
        for (const QString& action : QStringList{"load first.dat", "select"} + row.actions) {
            const QString verb = action.section(' ', 0, 0);
            const QString object = action.section(' ', 1);
            if (verb == QLatin1String("click") || verb == QLatin1String("double-click")) {
                ClickAt(list, list->visualItemRect(list->item(object.toInt())), verb == QLatin1String("double-click"));
            } else if (verb == QLatin1String("choose")) {
                list->setCurrentRow(object.toInt());
            } else if (verb == QLatin1String("load")) {
                The().Load(object);
            } else if (verb == QLatin1String("select")) {
                The().Trigger("AtSelect");
            } else {
                The().Click(verb == QLatin1String("OK") ? "Command1" : "Command2", "frmSelectLocation");
            }
        }
        QCOMPARE((QStringList{The().Text("Text1"), The().Text("Text2"), The().Text("Text3"), The().Text("Text4")}),
                 row.site);
        QCOMPARE(Items(list), row.names);
        QCOMPARE(The().Visible("frmSelectLocation"), row.shown);
    }

    void noticeWhenNothingIsLoaded()
    {
        The().Load("bad.dat");
        The().Trigger("AtSelect");
        QVERIFY(The().Visible("frmLoad_location_first") && !The().Visible("frmSelectLocation"));
        The().Click("Command1", "frmLoad_location_first");
        QVERIFY(!The().Visible("frmLoad_location_first") && The().Visible("frmMain"));
        QCOMPARE(The().Text("Text1"), kDesignedSite[0]);
    }

    void helpNavigation_data()
    {
        QTest::addColumn<HelpCase>("row");
        QTest::newRow("next on page 1 leaves page 3 open") << HelpCase{"31", 1, "Command3", "23"};
        QTest::newRow("previous on page 2") << HelpCase{"2", 2, "Command2", "1"};
        QTest::newRow("next on page 2") << HelpCase{"2", 2, "Command3", "3"};
        QTest::newRow("previous on page 3") << HelpCase{"3", 3, "Command2", "2"};
        QTest::newRow("exit on page 1") << HelpCase{"12", 1, "Command1", "2"};
        QTest::newRow("exit on page 3") << HelpCase{"3", 3, "Command1", ""};
    }

    void helpNavigation()
    {
        QFETCH(HelpCase, row);
        for (const QChar opening : row.opened) {
            The().Trigger(QByteArray("AtHelp") + opening.toLatin1());
        }
        The().Click(row.button, QByteArray("frmHelp") + QByteArray::number(row.page));
        QString pages;
        for (const char* onScreen : {"1", "2", "3"}) {
            pages += The().Visible(QByteArray("frmHelp") + onScreen) ? onScreen : "";
        }
        QCOMPARE(pages, row.shown);
        QVERIFY(The().Visible("frmMain"));
    }

    // Texts of the design, with their leading blanks.
    void texts()
    {
        const std::tuple<const char*, const char*, int, QString> texts[] = {
            {"frmHelp1", "Label13", 35, "eg for Calgary AB,  use 51.03 for 51 deg 3 min N."},
            {"frmHelp1", "Label15", 0,
             QStringLiteral("ANGLE SUN for twi-lite   Pick your favourite twilight: "
                            "Civil = -6°, Nautical = -12°, Astronomical = -18°")},
            {"frmHelp2", "Label4", 40, "Note that we are ignoring any proper motion here also."},
            {"frmHelp3", "Label7", 20, "[1967], page 8, by the American Association of Variable Star Observers."},
            {"frmHelp3", "Label14", 0,
             "AIR MASS is from Henden and Kaitchuck, Astronomical Photometry, (1982), page 87."},
            {"frmLoad_location_first", "Label1", 0, "You need to open the location file."},
            {"frmAbout", "Label1", 0, "Orvexal"},
            {"frmAbout", "Label6", 0, "Version 42a of 2018-06-07"},
            {"frmAbout", "Label7", 0, QString(61, QLatin1Char('-'))},
        };
        for (const auto& [window, label, blanks, text] : texts) {
            QCOMPARE(The().Text(label, window), QString(blanks, QLatin1Char(' ')) + text);
        }
    }

    void layout_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("window");
        QTest::addColumn<bool>("restored");
        QTest::newRow("main window, designed size") << "" << "frmMain" << false;
        QTest::newRow("main window, restored size") << "" << "frmMain" << true;
        QTest::newRow("open dialog") << "AtOpen" << "frmOpen" << false;
        QTest::newRow("picker") << "AtSelect" << "frmSelectLocation" << true;
        QTest::newRow("notice") << "AtSelect" << "frmLoad_location_first" << false;
        for (const QString page : {"1", "2", "3"}) {
            QTest::addRow("help page %s", qPrintable(page)) << "AtHelp" + page << "frmHelp" + page << false;
        }
        QTest::newRow("About box") << "AtAbout" << "frmAbout" << false;
    }

    // Each label shows its whole text, and no text or control runs into
    // another or out of its window. "restored": started with the shipped
    // files and a settings file, so that a location list is loaded and the
    // window takes its restored size; the status line shows its longest text.
    void layout()
    {
        QFETCH(QString, command);
        QFETCH(QString, window);
        QFETCH(bool, restored);
        if (restored) {
            CopyShipped("Constell.dat", "Constell.dat");
            CopyShipped("LOCATION.DAT", "LOCATION.DAT");
            Write("Orvex3.ini", "100\n100\n\"Site\"\n\"1\"\n\"2\"\n\"3\"\n\"-18\"\n");
        }
        if (!command.isEmpty()) {
            The().Trigger(command.toLatin1());
        }
        QWidget* shown = The().Find(window.toLatin1(), window.toLatin1());
        QVERIFY(QTest::qWaitForWindowExposed(shown));
        if (shown == The().window.get()) {
            if (restored) {
                The().window->SetText(Field::Status, kNotLoaded.toStdString());
            }
            QVERIFY(The().window->centralWidget()->geometry().bottom() < shown->height());
            shown = The().window->centralWidget();
        }
        QList<QWidget*> controls;
        for (QWidget* control : shown->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            if (control->isVisibleTo(shown) && !control->isWindow()) {
                controls << control;
            }
        }
        QVERIFY(controls.size() >= 3);
        for (qsizetype i = 0; i < controls.size(); ++i) {
            const QRect ink = InkRect(controls[i]);
            const QString name = controls[i]->objectName();
            QVERIFY2(controls[i]->geometry().contains(ink) || ink.isEmpty(), qPrintable(name + " is cut off"));
            QVERIFY2(shown->rect().contains(ink) || ink.isEmpty(), qPrintable(name + " leaves the window"));
            for (qsizetype j = i + 1; j < controls.size(); ++j) {
                QVERIFY2(!ink.intersects(InkRect(controls[j])),
                         qPrintable(name + " runs into " + controls[j]->objectName()));
            }
        }
    }
};

}  // namespace orvexal::test

QTEST_MAIN(orvexal::test::WindowsTest)
#include "windows_test.moc"
