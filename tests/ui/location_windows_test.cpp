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

class LocationWindowsTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

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

private:
    void Load(const QString& name) const;
    void Select() const;
    QStringList Site() const;
    QListWidget* List() const { return program_->Find<QListWidget>("List1"); }
    void ClickRow(int row, bool twice = false) const;

    std::unique_ptr<WorkingFolder> folder_;
    std::unique_ptr<Program> program_;
};

void LocationWindowsTest::init()
{
    folder_ = std::make_unique<WorkingFolder>();
    folder_->Write("first.dat", kFirstSites);
    folder_->Write("second.dat", kSecondSites);
    folder_->Write("broken.dat", "only one line\n");
    program_ = std::make_unique<Program>();
    program_->window->show();
}

void LocationWindowsTest::cleanup()
{
    program_.reset();
    folder_.reset();
}

void LocationWindowsTest::Load(const QString& name) const
{
    program_->Trigger("AtOpen");
    program_->Window("frmOpen")->findChild<QLineEdit*>(QStringLiteral("Text1"))->setText(name);
    program_->Click("Command1", "frmOpen");
}

void LocationWindowsTest::Select() const
{
    program_->Trigger("AtSelect");
    QCoreApplication::processEvents();
}

QStringList LocationWindowsTest::Site() const
{
    return {program_->Text("Text1"), program_->Text("Text2"), program_->Text("Text3"),
            program_->Text("Text4")};
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
    QWidget* notice = program_->Window("frmLoad_location_first");
    QVERIFY(notice->isVisible());
    QVERIFY(!program_->Window("frmSelectLocation")->isVisible());
    program_->Click("Command1", "frmLoad_location_first");
    QVERIFY(!notice->isVisible());
    QVERIFY(program_->window->isVisible());
    QCOMPARE(Site(), kDesignedSite);
}

void LocationWindowsTest::noticeTexts_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("text");
    QTest::newRow("Label1") << "Label1" << "You need to open the location file.";
    QTest::newRow("Label2") << "Label2" << "Use [menu] File > Open ...";
    QTest::newRow("Label3") << "Label3" << "Or just enter location data manually.";
    QTest::newRow("Command1") << "Command1" << "OK";
}

void LocationWindowsTest::noticeTexts()
{
    QFETCH(QString, control);
    QFETCH(QString, text);
    QWidget* notice = program_->Window("frmLoad_location_first");
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
    QWidget* picker = program_->Window("frmSelectLocation");
    QVERIFY(picker->isVisible());
    QVERIFY(!program_->Window("frmLoad_location_first")->isVisible());
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
    QVERIFY(program_->Window("frmSelectLocation")->isVisible());
}

void LocationWindowsTest::doubleClickCopiesAndHides()
{
    Load("first.dat");
    Select();
    ClickRow(1, true);
    QCOMPARE(Site(), (QStringList{"East Station", "-7.5", "-33.25", "-2"}));
    QVERIFY(!program_->Window("frmSelectLocation")->isVisible());
}

void LocationWindowsTest::okCopiesTheSelectedSiteAndHides()
{
    Load("first.dat");
    Select();
    List()->setCurrentRow(2);
    program_->Click("Command1", "frmSelectLocation");
    QCOMPARE(Site(), (QStringList{"Zero", " .5", " 0", " 0"}));
    QVERIFY(!program_->Window("frmSelectLocation")->isVisible());
}

void LocationWindowsTest::okWithoutSelectionOnlyHides()
{
    Load("first.dat");
    Select();
    QVERIFY(List()->selectedItems().isEmpty());
    program_->Click("Command1", "frmSelectLocation");
    QCOMPARE(Site(), kDesignedSite);
    QVERIFY(!program_->Window("frmSelectLocation")->isVisible());
}

void LocationWindowsTest::cancelKeepsWhatAClickCopied()
{
    Load("first.dat");
    Select();
    ClickRow(0);
    program_->Click("Command2", "frmSelectLocation");
    QVERIFY(!program_->Window("frmSelectLocation")->isVisible());
    QCOMPARE(Site(), (QStringList{"Dome, north", " 122.50514", " 53.45289", " 8"}));
}

// A failed load keeps the list of the last successful one.
void LocationWindowsTest::relistsAfterAnotherFile()
{
    Load("first.dat");
    Select();
    program_->Click("Command2", "frmSelectLocation");
    Load("second.dat");
    Load("broken.dat");
    QCOMPARE(program_->Text("Label2"), QStringLiteral("LOCATION file was NOT loaded ***********"));
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
    program_->Click("Command1", "frmSelectLocation");
    Select();
    QCOMPARE(program_->window->findChildren<QWidget*>(QStringLiteral("frmSelectLocation")).size(), 1);
    QCOMPARE(program_->window->findChildren<QWidget*>(QStringLiteral("frmLoad_location_first")).size(), 1);
    QVERIFY(program_->Window("frmSelectLocation")->isVisible());
    QCOMPARE(List()->count(), 3);
}

}  // namespace orvexal::test

QTEST_MAIN(orvexal::test::LocationWindowsTest)
#include "location_windows_test.moc"
