// What a desktop program's users expect beyond the windows' designed look:
// keys, data files named in any case, the display of a pass that stopped on
// a fault, and the main window's size and place. Offscreen, each test in a
// fresh temporary working folder; the program starts on first use.
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <memory>

#include "ui/main_window.h"

namespace orvexal::test {
namespace {

const QByteArray kSites = "Sites\nname, longitude, latitude, zone\nHill,-0.3,51.28,0\nValley,80.1,-20.05,5\n";
const QString kJulianDateNow = QStringLiteral(" 2461380.03390");  // the designed fields at the clock below
const char* const kWindows[] = {"frmMain", "frmOpen", "frmSelectLocation", "frmHelp1", "frmHelp2", "frmHelp3",
                                "frmAbout"};

void Write(const QString& name, const QByteArray& content)
{
    QFile file(name);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(content) == content.size());
}

QByteArray Settings(const QByteArray& left, const QByteArray& top)
{
    return left + '\n' + top + "\n\"Own site\"\n\"1\"\n\"2\"\n\"3\"\n\"-12\"\n";
}

// Answers every message box with OK, keeping its text.
struct MessageBoxes {
    MessageBoxes()
    {
        timer.callOnTimeout([this] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                shown << box->text();
                titleFits &= box->width() >= box->fontMetrics().horizontalAdvance(box->windowTitle()) + 100;
                box->button(QMessageBox::Ok)->click();
            }
        });
        timer.start(10);
    }
    QTimer timer;
    QStringList shown;
    bool titleFits = true;  // room for the title beside a frame's icon and buttons
};

struct Program {
    Program() : nativeBeforeShown(window.windowHandle() != nullptr) { window.show(); }
    QWidget* In(const char* name) { return name == QByteArray("frmMain") ? &window : window.findChild<QWidget*>(name); }
    template <typename T = QWidget>
    T* Get(const char* inWindow, const char* name)
    {
        return In(inWindow)->findChild<T*>(QLatin1String(name));
    }
    QLineEdit* Box(const QString& name) { return Get<QLineEdit>("frmMain", name.toLatin1()); }
    void Run(const QString& action)
    {
        if (action.startsWith("choose ")) {
            Get<QListWidget>("frmSelectLocation", "List1")->setCurrentRow(action.section(' ', 1).toInt());
        } else if (action.contains('=')) {
            Box(action.section('=', 0, 0))->setText(action.section('=', 1));
        } else {
            window.findChild<QAction*>(action)->trigger();
        }
    }
    // "shown=" the windows on the screen, then "name=text" of the main
    // window's fields named after the first entry.
    QStringList Outcome(const QStringList& fields)
    {
        QStringList shown;
        for (const char* name : kWindows) {
            shown << (In(name)->isVisible() ? QString::fromLatin1(name) : QString());
        }
        QStringList outcome{"shown=" + shown.join(' ').simplified()};
        for (const QString& field : fields.mid(1)) {
            const QString name = field.section('=', 0, 0);
            outcome << name + '=' + In("frmMain")->findChild<QWidget*>(name)->property("text").toString();
        }
        return outcome;
    }
    bool Grey(const QLineEdit* box) const
    {
        return box->palette().color(QPalette::Text) == box->palette().color(QPalette::Disabled, QPalette::Text);
    }
    AppState state;
    MainWindow window{state, [] { return DateTime{2026, 12, 5, 12, 48, 49}; }};
    bool nativeBeforeShown;
};

struct KeyCase {
    QStringList before;  // commands, "TextN=text" typed, "choose N" in the picker
    const char* window;
    const char* focus;  // nullptr: where the window put it
    QList<QKeyCombination> keys;
    QStringList outcome;  // see Program::Outcome
};

struct FaultCase {
    QStringList typed;  // "TextN=text"
    QString computation;
    QStringList reached;  // the result fields written before the fault
};

}  // namespace

class DailyUseTest : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> folder_;
    std::unique_ptr<Program> program_;
    Program& The() { return program_ ? *program_ : *(program_ = std::make_unique<Program>()); }

private slots:
    void init()
    {
        folder_ = std::make_unique<QTemporaryDir>();
        QDir::setCurrent(folder_->path());
        Write("LOCATION.DAT", kSites);
        QDir().mkpath("sub/inner");
    }

    void cleanup()
    {
        program_.reset();
        QDir::setCurrent(QDir::tempPath());
        folder_.reset();
    }

    void keys_data()
    {
        QTest::addColumn<KeyCase>("row");
        const QString nothing = "Label2=LOCATION file has NOT been loaded";
        const QString calculated = "Text13=" + kJulianDateNow;
        QTest::newRow("Enter in an input field") << KeyCase{{}, "frmMain", "Text27", {Qt::Key_Return}, {"shown=frmMain", calculated}};
        QTest::newRow("Enter on Calculate") << KeyCase{{}, "frmMain", "Command1", {Qt::Key_Enter}, {"shown=frmMain", calculated}};
        QTest::newRow("Alt+C") << KeyCase{{}, "frmMain", "Text1", {Qt::AltModifier | Qt::Key_C}, {"shown=frmMain", calculated}};
        QTest::newRow("Enter in the open dialog") << KeyCase{{"AtOpen"}, "frmOpen", "Text1", {Qt::Key_Return}, {"shown=frmMain", "Label2=LOCATION file was loaded."}};
        QTest::newRow("Esc in the open dialog") << KeyCase{{"AtOpen"}, "frmOpen", "Text1", {Qt::Key_Escape}, {"shown=frmMain", nothing}};
        QTest::newRow("Enter in the folder list opens a folder")
            << KeyCase{{"AtOpen"}, "frmOpen", "Dir1", {Qt::Key_Down, Qt::Key_Return}, {"shown=frmMain frmOpen", nothing}};
        QTest::newRow("Enter in the picker") << KeyCase{{"AtOpen", "AtSelect", "choose 1"}, "frmSelectLocation", "List1", {Qt::Key_Return}, {"shown=frmMain", "Text1=Valley"}};
        QTest::newRow("Esc in the picker") << KeyCase{{"AtOpen", "AtSelect", "choose 1"}, "frmSelectLocation", "List1", {Qt::Key_Escape}, {"shown=frmMain", "Text1=Kestrine Astr. Observatory"}};
        QTest::newRow("Esc on the About box") << KeyCase{{"AtAbout"}, "frmAbout", nullptr, {Qt::Key_Escape}, {"shown=frmMain"}};
        QTest::newRow("Esc on a help page") << KeyCase{{"AtHelp1"}, "frmHelp1", nullptr, {Qt::Key_Escape}, {"shown=frmMain"}};
        QTest::newRow("Enter on help page 2") << KeyCase{{"AtHelp2"}, "frmHelp2", nullptr, {Qt::Key_Return}, {"shown=frmMain frmHelp3"}};
        QTest::newRow("Enter on help page 3") << KeyCase{{"AtHelp3"}, "frmHelp3", nullptr, {Qt::Key_Return}, {"shown=frmMain frmHelp3"}};
    }

    void keys()
    {
        QFETCH(KeyCase, row);
        const MessageBoxes boxes;
        for (const QString& action : row.before) {
            The().Run(action);
            if (action == "AtOpen" && row.window != QByteArray("frmOpen")) {
                QTest::keyClick(The().Get("frmOpen", "Text1"), Qt::Key_Return);  // loads LOCATION.DAT
            }
        }
        QWidget* window = The().In(row.window);
        QVERIFY(QTest::qWaitForWindowActive(window));
        if (row.focus != nullptr) {
            The().Get(row.window, row.focus)->setFocus();
        }
        for (const QKeyCombination key : row.keys) {
            QWidget* focus = window->focusWidget() != nullptr ? window->focusWidget() : window;
            QTest::keyClick(focus, key.key(), key.keyboardModifiers());
        }
        QTRY_COMPARE(The().Outcome(row.outcome), row.outcome);  // a shortcut's click comes after a short press
        QCOMPARE(boxes.shown, QStringList());
    }

    // Tab runs through the inputs in screen order, then "Calculate"; the
    // results are out of that order, cannot be typed over, and copy.
    void tabOrderAndResults()
    {
        The().Box("Text1")->setFocus();
        QVERIFY(QTest::qWaitForWindowActive(&The().window));
        QStringList order;
        for (int step = 0; step < 12; ++step) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            order << QApplication::focusWidget()->objectName();
        }
        QCOMPARE(order.join(' '), "Text2 Text3 Text4 Text5 Text6 Text7 Text8 Text9 Text10 Text27 Command1 Text1");
        QLineEdit* julianDate = The().Box("Text13");
        QTest::mouseClick(julianDate, Qt::LeftButton);
        QTest::keyClicks(julianDate, "9");
        QTest::keyClick(julianDate, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(julianDate, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("0"));
    }

    // Every data file of the start-up and the one chosen in the dialog are
    // found when their names differ only in case; the settings go back
    // under the name found.
    void fileNamesInAnyCase()
    {
        QVERIFY(QFile::rename("LOCATION.DAT", "location.dat"));
        QVERIFY(QFile::copy(ORVEXAL_SHARE_DIR "/Constell.dat", "constell.dat"));
        Write("orvex3.ini", Settings("150", "300"));
        QCOMPARE(The().Outcome({"shown", "Label2", "Text1"}), (QStringList{"shown=frmMain", "Label2=LOCATION file was loaded.", "Text1=Own site"}));
        QCOMPARE(The().state.locations.LocCount, 2);
        QVERIFY(The().state.constellations.ConDataLoaded);
        The().window.close();
        QCOMPARE(QDir().entryList({"*.ini"}), QStringList{"orvex3.ini"});
        program_.reset();
        QVERIFY(QFile::rename("location.dat", "Location.Dat"));
        The().Run("AtOpen");
        auto* name = The().Get<QLineEdit>("frmOpen", "Text1");
        QCOMPARE(name->text(), QStringLiteral("Location.Dat"));  // proposed as the folder has it
        name->setText("LOCATION.dat");
        QTest::mouseClick(The().Get<QPushButton>("frmOpen", "Command1"), Qt::LeftButton);
        QCOMPARE(The().state.locations.LocCount, 2);
    }

    void fault_data()
    {
        QTest::addColumn<FaultCase>("row");
        QTest::newRow("latitude beyond the double range") << FaultCase{{"Text3=1e400"}, "in the reading of the inputs", {}};
        QTest::newRow("epochs at both ends of the double range")
            << FaultCase{{"Text9=-1e308", "Text10=1e308"}, "in the precession to the new epoch", {"Text13"}};
    }

    // The box names the fault first, then where the pass stopped; the
    // results it did not reach keep their texts in grey until a pass writes
    // them again.
    void fault()
    {
        QFETCH(FaultCase, row);
        const MessageBoxes boxes;
        QStringList designed;
        for (const QString& typed : row.typed) {
            designed << typed.section('=', 0, 0) + '=' + The().Box(typed.section('=', 0, 0))->text();
            The().Run(typed);
        }
        QTest::mouseClick(The().Get<QPushButton>("frmMain", "Command1"), Qt::LeftButton);
        QCOMPARE(boxes.shown.value(0).section('\n', 0, 0), QStringLiteral("Overflow"));
        QVERIFY2(boxes.shown.value(0).contains(row.computation), qPrintable(boxes.shown.value(0)));
        QVERIFY(boxes.titleFits);
        for (int result = 11; result <= 26; ++result) {
            const QString name = "Text" + QString::number(result);
            QCOMPARE(The().Grey(The().Box(name)), !row.reached.contains(name));
            if (!row.reached.contains(name)) {
                QCOMPARE(The().Box(name)->text(), name == "Text20" ? " " : "0");  // as designed
            }
        }
        for (const QString& typed : designed) {
            The().Run(typed);
        }
        QTest::mouseClick(The().Get<QPushButton>("frmMain", "Command1"), Qt::LeftButton);
        for (int result = 11; result <= 26; ++result) {
            QVERIFY(!The().Grey(The().Box("Text" + QString::number(result))));
        }
        QCOMPARE(boxes.shown.size(), 1);
    }

    void placement_data()
    {
        QTest::addColumn<QByteArray>("settings");
        QTest::addColumn<bool>("message");  // the constellation file as the location file
        QTest::addColumn<QPoint>("frame");  // its top-left, pixels; null: in the screen's bottom-right corner
        QTest::newRow("restored") << Settings("100", "100") << false << QPoint(7, 7);
        QTest::newRow("message at the start-up") << Settings("100", "100") << true << QPoint(7, 7);
        QTest::newRow("off every screen") << Settings("30000", "30000") << false << QPoint();
    }

    // The outer size is 9150 x 7080 twips, frame included (offscreen reports
    // a frame of its own, synchronously; a window system that frames the
    // window later leaves it unframed at first, so a window created before
    // it is shown, as by a message box of its own, would be framed around
    // the place meant for its frame).
    void placement()
    {
        QFETCH(QByteArray, settings);
        QFETCH(bool, message);
        QFETCH(QPoint, frame);
        const MessageBoxes boxes;
        Write("Orvex3.ini", settings);
        if (message) {
            QVERIFY(QFile::copy(ORVEXAL_SHARE_DIR "/Constell.dat", "Constell.dat"));
            QVERIFY(QFile::remove("LOCATION.DAT") && QFile::copy("Constell.dat", "LOCATION.DAT"));
        }
        QVERIFY(QTest::qWaitForWindowExposed(&The().window));
        QCOMPARE(boxes.shown.size(), message ? 1 : 0);
        QVERIFY(!The().nativeBeforeShown);
        const QRect outer = The().window.frameGeometry();
        QVERIFY(outer != The().window.geometry());
        if (frame.isNull()) {
            QCOMPARE(outer.bottomRight(), The().window.screen()->availableGeometry().bottomRight());
        } else {
            QCOMPARE(outer.topLeft(), frame);
        }
        QCOMPARE(outer.height(), 472);
        QVERIFY(outer.width() >= 610);  // wider where the platform's font moved the columns apart
    }

    // Neither "Calculate" nor a result is ever cut off.
    void minimumSize()
    {
        The().window.resize(100, 100);
        QList<QWidget*> controls{The().Get("frmMain", "Command1")};
        for (int result = 11; result <= 26; ++result) {
            controls << The().Box("Text" + QString::number(result));
        }
        for (const QWidget* shown : controls) {
            QVERIFY(The().window.rect().contains(QRect(shown->mapTo(&The().window, QPoint()), shown->size())));
        }
    }

    // At any scale the window put at the saved twips and not moved saves
    // them again unchanged (run also at QT_SCALE_FACTOR=1.5).
    void unmovedWindowKeepsItsTwips_data()
    {
        QTest::addColumn<QByteArray>("left");
        QTest::addColumn<QByteArray>("top");
        QTest::newRow("designed") << QByteArray("100") << QByteArray("100");
        QTest::newRow("odd twips") << QByteArray("1237") << QByteArray("53");
        QTest::newRow("small") << QByteArray("8") << QByteArray("22");
    }

    void unmovedWindowKeepsItsTwips()
    {
        QFETCH(QByteArray, left);
        QFETCH(QByteArray, top);
        Write("Orvex3.ini", Settings(left, top));
        QVERIFY(QTest::qWaitForWindowExposed(&The().window));
        The().window.close();
        QFile saved("Orvex3.ini");
        QVERIFY(saved.open(QIODevice::ReadOnly));
        QCOMPARE(saved.readAll(), Settings(left, top));
    }
};

}  // namespace orvexal::test

QTEST_MAIN(orvexal::test::DailyUseTest)
#include "daily_use_test.moc"
