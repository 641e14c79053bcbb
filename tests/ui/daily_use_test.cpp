// Keys, data files named in any case, the display of a pass that stopped on
// a fault, the main window's size and place, as a desktop program's users
// expect them. Offscreen, each test in a fresh folder holding LOCATION.DAT.
#include <QtTest>
#include <QtWidgets>

#include "ui/main_window.h"

namespace orvexal::test {
namespace {

void Write(const QString& name, const QByteArray& content)
{
    QFile file(name);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(content) == content.size());
}

struct Program {
    Program() : nativeBeforeShown(window.windowHandle() != nullptr) { window.show(); }
    QWidget* In(const char* name) { return window.objectName() == name ? &window : window.findChild<QWidget*>(name); }
    template <typename T = QWidget>
    T* Get(const char* inWindow, const QString& name) { return In(inWindow)->findChild<T*>(name); }
    QLineEdit* Box(int n) { return Get<QLineEdit>("frmMain", "Text" + QString::number(n)); }
    bool Grey(int n) { return Box(n)->palette().color(QPalette::Text) == Box(n)->palette().color(QPalette::Disabled, QPalette::Text); }
    AppState state;
    MainWindow window{state, [] { return DateTime{2026, 12, 5, 12, 48, 49}; }};
    bool nativeBeforeShown;
};

struct KeyCase {
    QStringList before;  // commands; "load": Enter in the open dialog; the picker gets its second site chosen
    const char* window;
    const char* focus;  // nullptr: where the window put it
    QKeyCombination key;
    bool stays;     // the window is still shown after
    QString field;  // "name=text" of the main window after
};

}  // namespace

class DailyUseTest : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> folder_;
    std::unique_ptr<Program> program_;
    Program& The() { return program_ ? *program_ : *(program_ = std::make_unique<Program>()); }
    QTimer answer_;
    QStringList boxes_;  // the texts of the message boxes shown, each answered by OK; "narrow" when
                         // one has no room for its title beside a frame's icon and three buttons

private slots:
    void initTestCase()
    {
        answer_.callOnTimeout([this] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                const bool fits = box->width() >= box->fontMetrics().horizontalAdvance(box->windowTitle()) + 100;
                boxes_ << (fits ? box->text() : "narrow");
                box->button(QMessageBox::Ok)->click();
            }
        });
        answer_.start(10);
    }

    void init()
    {
        boxes_.clear();
        folder_ = std::make_unique<QTemporaryDir>();
        QDir::setCurrent(folder_->path());
        Write("LOCATION.DAT", "Sites\nname, longitude, latitude, zone\nHill,-0.3,51.28,0\nValley,80.1,-20.05,5\n");
    }

    void cleanup() { program_.reset(); }

    void keys_data()
    {
        QTest::addColumn<KeyCase>("row");
        const QString now = "Text13= 2461380.03390", site = "Text1=Kestrine Astr. Observatory";
        const QString none = "Label2=LOCATION file has NOT been loaded", loaded = "Label2=LOCATION file was loaded.";
        const QStringList pick{"AtOpen", "load", "AtSelect"};
        QTest::newRow("Enter in an input") << KeyCase{{}, "frmMain", "Text27", Qt::Key_Return, true, now};
        QTest::newRow("Enter on Calculate") << KeyCase{{}, "frmMain", "Command1", Qt::Key_Enter, true, now};
        QTest::newRow("Alt+C") << KeyCase{{}, "frmMain", "Text1", Qt::AltModifier | Qt::Key_C, true, now};
        QTest::newRow("Enter in the dialog") << KeyCase{{"AtOpen"}, "frmOpen", "Text1", Qt::Key_Return, false, loaded};
        QTest::newRow("Esc in the dialog") << KeyCase{{"AtOpen"}, "frmOpen", "Text1", Qt::Key_Escape, false, none};
        QTest::newRow("Enter in its folders") << KeyCase{{"AtOpen"}, "frmOpen", "Dir1", Qt::Key_Return, true, none};
        QTest::newRow("Enter in the picker") << KeyCase{pick, "frmSelectLocation", "List1", Qt::Key_Return, false, "Text1=Valley"};
        QTest::newRow("Esc in the picker") << KeyCase{pick, "frmSelectLocation", "List1", Qt::Key_Escape, false, site};
        QTest::newRow("Esc on About") << KeyCase{{"AtAbout"}, "frmAbout", nullptr, Qt::Key_Escape, false, site};
        QTest::newRow("Enter on help 3") << KeyCase{{"AtHelp3"}, "frmHelp3", nullptr, Qt::Key_Return, true, site};
    }

    void keys()
    {
        QFETCH(KeyCase, row);
        for (const QString& action : row.before) {
            if (action == "load") {
                QTest::keyClick(The().Get("frmOpen", "Text1"), Qt::Key_Return);
            } else {
                The().window.findChild<QAction*>(action)->trigger();
            }
        }
        if (row.window == QByteArray("frmSelectLocation")) {
            The().Get<QListWidget>(row.window, "List1")->setCurrentRow(1);
        }
        QWidget* window = The().In(row.window);
        QVERIFY(QTest::qWaitForWindowActive(window));
        if (row.focus != nullptr) {
            The().Get(row.window, row.focus)->setFocus();
        }
        QTest::keyClick(window->focusWidget() ? window->focusWidget() : window, row.key.key(), row.key.keyboardModifiers());
        const QString field = row.field.section('=', 0, 0);
        QTRY_COMPARE(field + '=' + The().Get("frmMain", field)->property("text").toString(), row.field);  // Alt+C: late
        QCOMPARE(window->isVisible(), row.stays);
        QCOMPARE(boxes_, QStringList());
    }

    // Results are out of the Tab order, cannot be typed over, and copy.
    void tabOrderAndResults()
    {
        The().Box(1)->setFocus();
        QVERIFY(QTest::qWaitForWindowActive(&The().window));
        QStringList order;
        for (int step = 0; step < 12; ++step) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            order << QApplication::focusWidget()->objectName();
        }
        QCOMPARE(order.join(' '), "Text2 Text3 Text4 Text5 Text6 Text7 Text8 Text9 Text10 Text27 Command1 Text1");
        QTest::mouseClick(The().Box(13), Qt::LeftButton);
        QTest::keyClicks(The().Box(13), "9");
        QTest::keySequence(The().Box(13), QKeySequence::SelectAll);
        QTest::keySequence(The().Box(13), QKeySequence::Copy);
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("0"));
    }

    // The box names the fault, then where the pass stopped; the results it
    // did not reach keep their texts, in grey, until a pass writes them.
    void faultGreysTheResultsNotReached()
    {
        The().Box(9)->setText("-1e308");
        The().Box(10)->setText("1e308");
        for (const bool faulted : {true, false}) {
            QTest::mouseClick(The().Get<QPushButton>("frmMain", "Command1"), Qt::LeftButton);
            for (int result = 11; result <= 26; ++result) {
                QCOMPARE(The().Grey(result), faulted && result != 13);  // the Julian Date comes first
            }
            The().Box(9)->setText("2000.0");
        }
        QCOMPARE(boxes_.size(), 1);
        QCOMPARE(boxes_[0].section('\n', 0, 0), QStringLiteral("Overflow"));
        QVERIFY2(boxes_[0].contains("in the precession to the new epoch"), qPrintable(boxes_[0]));
    }

    // Start-up files in other cases (the constellation file as the location
    // file brings its message box; the window must not exist before it shows,
    // or a window system framing it later would shift it), the outer size
    // with the frame, an unmoved window's twips saved unchanged (also at 1.5).
    void startupAndPlace()
    {
        const QByteArray settings = "1237\n53\n\"Own site\"\n\"1\"\n\"2\"\n\"3\"\n\"-12\"\n";
        Write("orvex3.ini", settings);
        QVERIFY(QFile::remove("LOCATION.DAT"));
        for (const char* name : {"constell.dat", "Location.Dat"}) {
            QVERIFY(QFile::copy(ORVEXAL_SHARE_DIR "/Constell.dat", name));
        }
        QVERIFY(QTest::qWaitForWindowExposed(&The().window) && !The().nativeBeforeShown);
        QVERIFY(The().state.constellations.ConDataLoaded && boxes_.size() == 1 && boxes_[0] != "narrow");
        QCOMPARE(The().Get<QLineEdit>("frmOpen", "Text1")->text(), QStringLiteral("Location.Dat"));
        const QRect outer = The().window.frameGeometry();
        QVERIFY(outer != The().window.geometry() && outer.height() == 472 && outer.width() >= 610);
        QCOMPARE(outer.topLeft(), QPoint(82, 4));
        The().window.resize(1, 1);
        QVERIFY(The().window.rect().contains(The().Box(26)->geometry().translated(The().window.centralWidget()->pos())));
        The().window.close();
        QFile saved("orvex3.ini");
        QVERIFY(saved.open(QIODevice::ReadOnly) && saved.readAll() == settings && !QFile::exists("Orvex3.ini"));
    }
};

}  // namespace orvexal::test

QTEST_MAIN(orvexal::test::DailyUseTest)
#include "daily_use_test.moc"
