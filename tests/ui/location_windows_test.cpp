// "Select Loc'n": the location picker over the loaded list, and the notice
// window when nothing is loaded.
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include "ui_test_support.h"

namespace orvexal::test {
namespace {

const QByteArray kFirstSites =
    "Sites for the tests\n"
    "name, longitude, latitude, zone\n"
    "\"Dome, north\",122.50514,53.45289,8\n"
    "East Station,-7.5,-33.25,-2\n"
    "Zero,0.5,0,0\n";
const QByteArray kSecondSites =
    "Other sites\n"
    "name, longitude, latitude, zone\n"
    "Hill,-0.3,51.28,0\n"
    "Valley,80.1,-20.05,5\n";

const QStringList kDesignedSite = {"Kestrine Astr. Observatory", "122.50514", "53.45289", "8"};

}  // namespace

class LocationWindowsTest : public WindowTestCase {
    Q_OBJECT

public:
    LocationWindowsTest() : WindowTestCase(true) {}

private slots:
    void noticeWhenNothingIsLoaded();
    void noticeTexts_data();
    void noticeTexts();
    void pickerListsTheFileInOrder();
    void clickCopiesAndStays_data();
    void clickCopiesAndStays();
    void doubleClickCopiesAndHides();
    void okCopiesTheSelectedSiteAndHides();
    void okWithoutSelectionOnlyHides();
    void cancelKeepsWhatAClickCopied();
    void relistsAfterAnotherFile();
    void eachWindowExistsOnce();

protected:
    void PrepareFolder(const WorkingFolder& folder) override;

private:
    void Load(const QString& name) const;
    void Select() const;
    QStringList Site() const;
    QListWidget* List() const { return TheProgram().Find<QListWidget>("List1"); }
    void ClickRow(int row, bool twice = false) const;
};

void LocationWindowsTest::PrepareFolder(const WorkingFolder& folder)
{
    folder.Write("first.dat", kFirstSites);
    folder.Write("second.dat", kSecondSites);
    folder.Write("broken.dat", "only one line\n");
}

void LocationWindowsTest::Load(const QString& name) const
{
    TheProgram().Trigger("AtOpen");
    TheProgram().Window("frmOpen")->findChild<QLineEdit*>(QStringLiteral("Text1"))->setText(name);
    TheProgram().Click("Command1", "frmOpen");
}

void LocationWindowsTest::Select() const
{
    TheProgram().Trigger("AtSelect");
    QCoreApplication::processEvents();
}

QStringList LocationWindowsTest::Site() const
{
    return {TheProgram().Text("Text1"), TheProgram().Text("Text2"), TheProgram().Text("Text3"),
            TheProgram().Text("Text4")};
}

void LocationWindowsTest::ClickRow(int row, bool twice) const
{
    const QPoint at = List()->visualItemRect(List()->item(row)).center();
    QTest::mouseClick(List()->viewport(), Qt::LeftButton, {}, at);
    if (twice) {
        QTest::mouseDClick(List()->viewport(), Qt::LeftButton, {}, at);
    }
}

void LocationWindowsTest::noticeWhenNothingIsLoaded()
{
    Load("broken.dat");
    Select();
    QWidget* notice = TheProgram().Window("frmLoad_location_first");
    QVERIFY(notice->isVisible());
    QVERIFY(!TheProgram().Window("frmSelectLocation")->isVisible());
    TheProgram().Click("Command1", "frmLoad_location_first");
    QVERIFY(!notice->isVisible());
    QVERIFY(TheProgram().window->isVisible());
    QCOMPARE(Site(), kDesignedSite);
}

void LocationWindowsTest::noticeTexts_data()
{
    AddTextRows("control", {{"Label1", "You need to open the location file."},
                            {"Label2", "Use [menu] File > Open ..."},
                            {"Label3", "Or just enter location data manually."},
                            {"Command1", "OK"}});
}

void LocationWindowsTest::noticeTexts()
{
    QFETCH(QString, control);
    QFETCH(QString, text);
    QWidget* notice = TheProgram().Window("frmLoad_location_first");
    QCOMPARE(notice->windowTitle(), QStringLiteral("Form1"));
    QCOMPARE(notice->palette().color(QPalette::Window), QColor(255, 192, 255));
    QWidget* shown = notice->findChild<QWidget*>(control);
    QCOMPARE(shown->property("text").toString(), text);
    if (auto* label = qobject_cast<QLabel*>(shown)) {
        QCOMPARE(label->font().pointSizeF(), 12.0);
        QVERIFY(label->font().bold());
        QCOMPARE(label->x(), 32);
    }
}

void LocationWindowsTest::pickerListsTheFileInOrder()
{
    Load("first.dat");
    Select();
    QWidget* picker = TheProgram().Window("frmSelectLocation");
    QVERIFY(picker->isVisible());
    QVERIFY(!TheProgram().Window("frmLoad_location_first")->isVisible());
    QCOMPARE(picker->windowTitle(), QStringLiteral("Select Location"));
    QStringList names;
    for (int row = 0; row < List()->count(); ++row) {
        names << List()->item(row)->text();
    }
    QCOMPARE(names, (QStringList{"Dome, north", "East Station", "Zero"}));
    QVERIFY(!List()->isSortingEnabled());
}

void LocationWindowsTest::clickCopiesAndStays_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<QStringList>("site");
    QTest::newRow("west, quoted name") << 0 << QStringList{"Dome, north", " 122.50514", " 53.45289", " 8"};
    QTest::newRow("east, negative values") << 1 << QStringList{"East Station", "-7.5", "-33.25", "-2"};
    QTest::newRow("values below one") << 2 << QStringList{"Zero", " .5", " 0", " 0"};
}

void LocationWindowsTest::clickCopiesAndStays()
{
    QFETCH(int, row);
    QFETCH(QStringList, site);
    Load("first.dat");
    Select();
    ClickRow(row);
    QCOMPARE(Site(), site);
    QVERIFY(TheProgram().Window("frmSelectLocation")->isVisible());
}

void LocationWindowsTest::doubleClickCopiesAndHides()
{
    Load("first.dat");
    Select();
    ClickRow(1, true);
    QCOMPARE(Site(), (QStringList{"East Station", "-7.5", "-33.25", "-2"}));
    QVERIFY(!TheProgram().Window("frmSelectLocation")->isVisible());
}

void LocationWindowsTest::okCopiesTheSelectedSiteAndHides()
{
    Load("first.dat");
    Select();
    List()->setCurrentRow(2);
    TheProgram().Click("Command1", "frmSelectLocation");
    QCOMPARE(Site(), (QStringList{"Zero", " .5", " 0", " 0"}));
    QVERIFY(!TheProgram().Window("frmSelectLocation")->isVisible());
}

void LocationWindowsTest::okWithoutSelectionOnlyHides()
{
    Load("first.dat");
    Select();
    QVERIFY(List()->selectedItems().isEmpty());
    TheProgram().Click("Command1", "frmSelectLocation");
    QCOMPARE(Site(), kDesignedSite);
    QVERIFY(!TheProgram().Window("frmSelectLocation")->isVisible());
}

void LocationWindowsTest::cancelKeepsWhatAClickCopied()
{
    Load("first.dat");
    Select();
    ClickRow(0);
    TheProgram().Click("Command2", "frmSelectLocation");
    QVERIFY(!TheProgram().Window("frmSelectLocation")->isVisible());
    QCOMPARE(Site(), (QStringList{"Dome, north", " 122.50514", " 53.45289", " 8"}));
}

// A failed load keeps the list of the last successful one.
void LocationWindowsTest::relistsAfterAnotherFile()
{
    Load("first.dat");
    Select();
    TheProgram().Click("Command2", "frmSelectLocation");
    Load("second.dat");
    Load("broken.dat");
    QCOMPARE(TheProgram().Text("Label2"), QStringLiteral("LOCATION file was NOT loaded ***********"));
    Select();
    QCOMPARE(List()->count(), 2);
    QCOMPARE(List()->item(1)->text(), QStringLiteral("Valley"));
    ClickRow(0);
    QCOMPARE(Site(), (QStringList{"Hill", "-.3", " 51.28", " 0"}));
}

void LocationWindowsTest::eachWindowExistsOnce()
{
    Select();
    Select();
    Load("first.dat");
    Select();
    TheProgram().Click("Command1", "frmSelectLocation");
    Select();
    QCOMPARE(TheProgram().window->findChildren<QWidget*>(QStringLiteral("frmSelectLocation")).size(), 1);
    QCOMPARE(TheProgram().window->findChildren<QWidget*>(QStringLiteral("frmLoad_location_first")).size(), 1);
    QVERIFY(TheProgram().Window("frmSelectLocation")->isVisible());
    QCOMPARE(List()->count(), 3);
}

}  // namespace orvexal::test

QTEST_MAIN(orvexal::test::LocationWindowsTest)
#include "location_windows_test.moc"
