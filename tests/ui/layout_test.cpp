// Every window as a person sees it: each label shows its whole text, and no
// text or control runs into another or out of its window.
#include <QLabel>
#include <QMainWindow>
#include <QTest>

#include "ui/controls.h"
#include "ui_test_support.h"

namespace orvexal::test {
namespace {

QString Describe(const QWidget* control)
{
    const QRect r = InkRect(control);
    return QStringLiteral("%1 (%2,%3 %4x%5)")
        .arg(control->objectName())
        .arg(r.x())
        .arg(r.y())
        .arg(r.width())
        .arg(r.height());
}

}  // namespace

class LayoutTest : public WindowTestCase {
    Q_OBJECT

public:
    LayoutTest() : WindowTestCase(false) {}

private slots:
    void windows_data();
    void windows();
};

void LayoutTest::windows_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("window");
    QTest::addColumn<bool>("restored");
    QTest::newRow("main window, designed size") << "" << "frmMain" << false;
    QTest::newRow("main window, restored size") << "" << "frmMain" << true;
    QTest::newRow("open dialog") << "AtOpen" << "frmOpen" << false;
    QTest::newRow("picker") << "AtSelect" << "frmSelectLocation" << true;
    QTest::newRow("notice") << "AtSelect" << "frmLoad_location_first" << false;
    QTest::newRow("help page 1") << "AtHelp1" << "frmHelp1" << false;
    QTest::newRow("help page 2") << "AtHelp2" << "frmHelp2" << false;
    QTest::newRow("help page 3") << "AtHelp3" << "frmHelp3" << false;
    QTest::newRow("About box") << "AtAbout" << "frmAbout" << false;
}

// "restored": started with the shipped files and a settings file, so that a
// location list is loaded and the window takes its restored size; the status
// line then shows its longest text after a failed load.
void LayoutTest::windows()
{
    QFETCH(QString, command);
    QFETCH(QString, window);
    QFETCH(bool, restored);
    if (restored) {
        Folder().CopyShipped("Constell.dat", "Constell.dat");
        Folder().CopyShipped("LOCATION.DAT", "LOCATION.DAT");
        Folder().Write("Orvex3.ini", SettingsLines({"100", "100", "\"Site\"", "\"1\"", "\"2\"",
                                                    "\"3\"", "\"-18\""}));
    }
    const Program program;
    program.window->show();
    if (!command.isEmpty()) {
        program.Trigger(command.toLatin1());
    }
    QWidget* shown = program.Window(window.toLatin1());
    QVERIFY(QTest::qWaitForWindowExposed(shown));
    if (auto* main = qobject_cast<QMainWindow*>(shown)) {
        if (restored) {
            program.window->SetText(Field::Label2, "LOCATION file was NOT loaded ***********");
        }
        QVERIFY(main->centralWidget()->geometry().bottom() < main->height());
        shown = main->centralWidget();
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
        QVERIFY2(controls[i]->geometry().contains(ink) || ink.isEmpty(),
                 qPrintable(Describe(controls[i]) + QStringLiteral(" is cut off")));
        QVERIFY2(shown->rect().contains(ink) || ink.isEmpty(),
                 qPrintable(Describe(controls[i]) + QStringLiteral(" leaves the window")));
        for (qsizetype j = i + 1; j < controls.size(); ++j) {
            QVERIFY2(!ink.intersects(InkRect(controls[j])),
                     qPrintable(Describe(controls[i]) + QStringLiteral(" runs into ") +
                                Describe(controls[j])));
        }
    }
}

}  // namespace orvexal::test

QTEST_MAIN(orvexal::test::LayoutTest)
#include "layout_test.moc"
