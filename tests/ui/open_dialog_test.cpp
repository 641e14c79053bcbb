// The open dialog: how it is prepared at start-up, its coupled lists, its
// layout rules, and loading the chosen file.
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

#include "ui_test_support.h"

namespace orvexal::test {
namespace {

const QByteArray kGoodFile =
    "Sites for the tests\n"
    "name, longitude, latitude, zone\n"
    "\"Dome, north\",122.50514,53.45289,8\n"
    "East Station,-7.5,-33.25,-2\n";
const QByteArray kHeadersOnly = "Sites for the tests\nname, longitude, latitude, zone\n";

QStringList Items(const QListWidget* list)
{
    QStringList items;
    for (int row = 0; row < list->count(); ++row) {
        items << list->item(row)->text();
    }
    return items;
}

QStringList Entries(const QComboBox* combo)
{
    QStringList entries;
    for (int index = 0; index < combo->count(); ++index) {
        entries << combo->itemText(index);
    }
    return entries;
}

// A press and release, then the second press as a double-click, as a mouse
// gives them: the views act on a double-click only on the item pressed first.
void DoubleClick(QAbstractItemView* view, const QPoint& at)
{
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, at);
}

QTreeWidgetItem* FolderItem(const QTreeWidget* tree, const QString& caption)
{
    const auto found = tree->findItems(caption, Qt::MatchExactly | Qt::MatchRecursive);
    return found.isEmpty() ? nullptr : found.first();
}

}  // namespace

class OpenDialogTest : public WindowTestCase {
    Q_OBJECT

public:
    OpenDialogTest() : WindowTestCase(true) {}

private slots:
    void preparedAtStartup();
    void patterns_data();
    void patterns();
    void openComesBackWithDatAndAFreshList_data();
    void openComesBackWithDatAndAFreshList();
    void layout_data();
    void layout();
    void folderChange_data();
    void folderChange();
    void clickPutsTheBareName();
    void confirm_data();
    void confirm();
    void typedAbsolutePathIsTakenAsItStands();
    void cancelChangesNothing();
    void closeControlHidesLikeCancel();

protected:
    void PrepareFolder(const WorkingFolder& folder) override;

private:
    void Open() const;
    QWidget* Dialog() const { return TheProgram().Window("frmOpen"); }
    template <typename T>
    T* Control(const char* name) const
    {
        return Dialog()->findChild<T*>(QLatin1String(name));
    }
    void DoubleClickFile(const QString& name) const;
    void EnterFolder(const QString& caption) const;
};

void OpenDialogTest::PrepareFolder(const WorkingFolder& folder)
{
    for (const char* name : {"b.dat", "A.DAT", "notes.txt", "noext"}) {
        folder.Write(QLatin1String(name), kGoodFile);
    }
    folder.Write("bad.dat", kHeadersOnly);
    // Under another name, so that the start-up skips the location file and
    // the status line keeps its designed text.
    folder.CopyShipped("Constell.dat", "Boundaries.dat");
    QDir(folder.Path()).mkpath("with sites");
    QDir(folder.Path()).mkpath("empty");
    for (const char* name : {"with sites/zeta.dat", "with sites/alpha.dat", "with sites/readme.txt"}) {
        folder.Write(QLatin1String(name), kGoodFile);
    }
}

void OpenDialogTest::Open() const
{
    TheProgram().Trigger("AtOpen");
    QVERIFY(QTest::qWaitForWindowExposed(Dialog()));
}

void OpenDialogTest::DoubleClickFile(const QString& name) const
{
    auto* files = Control<QListWidget>("File1");
    const QList<QListWidgetItem*> found = files->findItems(name, Qt::MatchExactly);
    QCOMPARE(found.size(), 1);
    DoubleClick(files, files->visualItemRect(found[0]).center());
}

void OpenDialogTest::EnterFolder(const QString& caption) const
{
    auto* tree = Control<QTreeWidget>("Dir1");
    QTreeWidgetItem* item = FolderItem(tree, caption);
    QVERIFY(item != nullptr);
    tree->scrollToItem(item);
    DoubleClick(tree, tree->visualItemRect(item).center());
}

void OpenDialogTest::preparedAtStartup()
{
    QVERIFY(!Dialog()->isVisible());
    QCOMPARE(Dialog()->windowTitle(), QStringLiteral("Open "));
    QCOMPARE(Dialog()->palette().color(QPalette::Window), QColor(192, 192, 192));
    QCOMPARE(Entries(Control<QComboBox>("Combo1")), (QStringList{"*.dat", "*.*"}));
    QCOMPARE(Control<QComboBox>("Combo1")->currentIndex(), 0);
    QCOMPARE(Items(Control<QListWidget>("File1")), (QStringList{"A.DAT", "b.dat", "bad.dat", "Boundaries.dat"}));
    QCOMPARE(Control<QLabel>("Label4")->text(), QDir::toNativeSeparators(Folder().Path()));
    QCOMPARE(Control<QLineEdit>("Text1")->text(), QStringLiteral("location.dat"));
    QCOMPARE(Control<QLabel>("Label1")->text(), QStringLiteral("File Name:"));
    QCOMPARE(Control<QLabel>("Label2")->text(), QStringLiteral("List Files of Type:"));
    QCOMPARE(Control<QLabel>("Label3")->text(), QStringLiteral("Directories:"));
    QCOMPARE(Control<QLabel>("Label5")->text(), QStringLiteral("Drives:"));
    QCOMPARE(Control<QPushButton>("Command1")->text(), QStringLiteral("OK"));
    QCOMPARE(Control<QPushButton>("Command2")->text(), QStringLiteral("Cancel"));
    QVERIFY(Control<QComboBox>("Drive1")->currentText() == QStringLiteral("/"));
}

void OpenDialogTest::patterns_data()
{
    QTest::addColumn<int>("entry");
    QTest::addColumn<QStringList>("files");
    QTest::newRow("*.*: every file") << 1
                                     << QStringList{"A.DAT", "b.dat", "bad.dat", "Boundaries.dat", "noext",
                                                    "notes.txt"};
    QTest::newRow("*.dat in any case") << 0 << QStringList{"A.DAT", "b.dat", "bad.dat", "Boundaries.dat"};
}

void OpenDialogTest::patterns()
{
    QFETCH(int, entry);
    QFETCH(QStringList, files);
    Open();
    auto* combo = Control<QComboBox>("Combo1");
    combo->setCurrentIndex(1 - entry);
    combo->setCurrentIndex(entry);
    QCOMPARE(combo->currentText(), entry == 0 ? QStringLiteral("*.dat") : QStringLiteral("*.*"));
    QCOMPARE(Items(Control<QListWidget>("File1")), files);
}

void OpenDialogTest::openComesBackWithDatAndAFreshList_data()
{
    QTest::addColumn<int>("lastChosen");
    QTest::newRow("after *.*") << 1;
    QTest::newRow("after *.dat") << 0;
}

// A file made while the dialog was hidden is listed when it opens again.
void OpenDialogTest::openComesBackWithDatAndAFreshList()
{
    QFETCH(int, lastChosen);
    Open();
    Control<QComboBox>("Combo1")->setCurrentIndex(lastChosen);
    TheProgram().Click("Command2", "frmOpen");
    QVERIFY(!Dialog()->isVisible());
    Folder().Write("c.dat", kGoodFile);
    Open();
    QCOMPARE(Control<QComboBox>("Combo1")->currentText(), QStringLiteral("*.dat"));
    QCOMPARE(Items(Control<QListWidget>("File1")),
             (QStringList{"A.DAT", "b.dat", "bad.dat", "Boundaries.dat", "c.dat"}));
}

void OpenDialogTest::layout_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QRect>("place");
    // Pixels of the twips the layout rules give, 15 to the pixel.
    QTest::newRow("Label1") << "Label1" << QRect(8, 8, 65, 17).adjusted(0, 0, 0, 0);
    QTest::newRow("Text1") << "Text1" << QRect(8, 24, 158, 21);
    QTest::newRow("File1") << "File1" << QRect(8, 56, 158, 96);
    QTest::newRow("Label2") << "Label2" << QRect(8, 162, 0, 0);
    QTest::newRow("Combo1") << "Combo1" << QRect(8, 178, 158, 21);
    QTest::newRow("Label3") << "Label3" << QRect(181, 8, 0, 0);
    QTest::newRow("Label4") << "Label4" << QRect(181, 24, 0, 0);
    QTest::newRow("Dir1") << "Dir1" << QRect(181, 48, 134, 110);
    QTest::newRow("Label5") << "Label5" << QRect(181, 162, 0, 0);
    QTest::newRow("Drive1") << "Drive1" << QRect(181, 178, 134, 21);
    QTest::newRow("Command1") << "Command1" << QRect(329, 48, 89, 25);
    QTest::newRow("Command2") << "Command2" << QRect(329, 80, 89, 25);
}

// Labels are checked for their place only, since they are sized to their
// text. The rules give the same arrangement at every window size.
void OpenDialogTest::layout()
{
    QFETCH(QString, control);
    QFETCH(QRect, place);
    Open();
    for (const QSize size : {QSize(), QSize(900, 700), QSize(200, 150)}) {
        if (size.isValid()) {
            Dialog()->resize(size);
        }
        const QRect actual = Control<QWidget>(control.toLatin1())->geometry();
        QCOMPARE(actual.topLeft(), place.topLeft());
        if (!control.startsWith(QLatin1String("Label"))) {
            QCOMPARE(actual.size(), place.size());
        }
    }
}

void OpenDialogTest::folderChange_data()
{
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<QString>("name");
    QTest::newRow("with matching files") << "with sites" << QStringList{"alpha.dat", "zeta.dat"}
                                         << "alpha.dat";
    QTest::newRow("without matching files") << "empty" << QStringList{} << "";
}

void OpenDialogTest::folderChange()
{
    QFETCH(QString, folder);
    QFETCH(QStringList, files);
    QFETCH(QString, name);
    Open();
    EnterFolder(folder);
    const QString path = QDir(Folder().Path()).filePath(folder);
    // The path is shortened in the middle where it is too long for the label.
    const auto* shown = Control<QLabel>("Label4");
    QCOMPARE(shown->toolTip(), QDir::toNativeSeparators(path));
    QVERIFY2(shown->text().startsWith(QLatin1String("/tmp")) && shown->text().endsWith(folder),
             qPrintable(shown->text()));
    QVERIFY(shown->fontMetrics().horizontalAdvance(shown->text()) <= shown->width());
    QCOMPARE(Items(Control<QListWidget>("File1")), files);
    QCOMPARE(Control<QLineEdit>("Text1")->text(), name);
    EnterFolder(QDir(Folder().Path()).dirName());
    QCOMPARE(shown->text(), QDir::toNativeSeparators(Folder().Path()));
    QCOMPARE(Control<QLineEdit>("Text1")->text(), QStringLiteral("A.DAT"));
}

void OpenDialogTest::clickPutsTheBareName()
{
    Open();
    auto* files = Control<QListWidget>("File1");
    QTest::mouseClick(files->viewport(), Qt::LeftButton, {}, files->visualItemRect(files->item(1)).center());
    QCOMPARE(Control<QLineEdit>("Text1")->text(), QStringLiteral("b.dat"));
    QVERIFY(Dialog()->isVisible());
    QCOMPARE(TheProgram().state->locations.LocCount, 0);
}

void OpenDialogTest::confirm_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("status");
    QTest::addColumn<int>("count");
    QTest::addColumn<bool>("message");
    const QString loaded = QStringLiteral("LOCATION file was loaded.");
    const QString notLoaded = QStringLiteral("LOCATION file was NOT loaded ***********");
    const QString unchanged;  // the status line of the start-up stays
    for (const char* how : {"OK", "double-click on the file", "double-click on the name"}) {
        QTest::addRow("%s, location file", how) << how << "b.dat" << loaded << 2 << false;
        QTest::addRow("%s, headers only", how) << how << "bad.dat" << notLoaded << 0 << false;
        QTest::addRow("%s, constellation file", how) << how << "Boundaries.dat" << unchanged << 0 << true;
    }
    QTest::newRow("OK, missing file") << "OK" << "location.dat" << notLoaded << 0 << false;
}

void OpenDialogTest::confirm()
{
    QFETCH(QString, how);
    QFETCH(QString, file);
    QFETCH(QString, status);
    QFETCH(int, count);
    QFETCH(bool, message);
    const MessageBoxes boxes;
    const QString before = TheProgram().Text("Label2");
    Open();
    if (how == QLatin1String("double-click on the file")) {
        DoubleClickFile(file);
    } else {
        auto* name = Control<QLineEdit>("Text1");
        name->setText(file);
        if (how == QLatin1String("OK")) {
            TheProgram().Click("Command1", "frmOpen");
        } else {
            QTest::mouseDClick(name, Qt::LeftButton);
        }
    }
    QVERIFY(!Dialog()->isVisible());
    QCOMPARE(TheProgram().Text("Label2"), status.isNull() ? before : status);
    QCOMPARE(int(TheProgram().state->locations.LocCount), count);
    QCOMPARE(TheProgram().state->locations.LocFileName,
             QFile::encodeName(QDir(Folder().Path()).filePath(file)).toStdString());
    QCOMPARE(boxes.Boxes().size(), message ? 1 : 0);
    if (message) {
        QCOMPARE(boxes.Boxes()[0].text,
                 QStringLiteral("This is the constellation file.  Please load the location file."));
        QCOMPARE(boxes.Boxes()[0].title, QStringLiteral("Orvexal"));
        QCOMPARE(boxes.Boxes()[0].icon, QMessageBox::NoIcon);
    }
}

void OpenDialogTest::typedAbsolutePathIsTakenAsItStands()
{
    const WorkingFolder elsewhere;
    elsewhere.Write("far.txt", kGoodFile);
    Open();
    Control<QLineEdit>("Text1")->setText(elsewhere.FilePath("far.txt"));
    TheProgram().Click("Command1", "frmOpen");
    QCOMPARE(TheProgram().Text("Label2"), QStringLiteral("LOCATION file was loaded."));
    QCOMPARE(TheProgram().state->locations.LocName[2], std::string("East Station"));
}

void OpenDialogTest::cancelChangesNothing()
{
    Open();
    Control<QLineEdit>("Text1")->setText("b.dat");
    TheProgram().Click("Command1", "frmOpen");
    Open();
    Control<QLineEdit>("Text1")->setText("bad.dat");
    TheProgram().Click("Command2", "frmOpen");
    QVERIFY(!Dialog()->isVisible());
    QCOMPARE(TheProgram().Text("Label2"), QStringLiteral("LOCATION file was loaded."));
    QCOMPARE(TheProgram().state->locations.LocCount, 2);
    QVERIFY(TheProgram().state->locations.LocFileName.ends_with("b.dat"));
}

void OpenDialogTest::closeControlHidesLikeCancel()
{
    const QString before = TheProgram().Text("Label2");
    Open();
    const QPointer<QWidget> dialog = Dialog();
    dialog->close();
    QCoreApplication::processEvents();
    QVERIFY(!dialog.isNull());
    QVERIFY(!dialog->isVisible());
    QCOMPARE(TheProgram().Text("Label2"), before);
    Open();
    QCOMPARE(Dialog(), dialog.data());
    QCOMPARE(Entries(Control<QComboBox>("Combo1")), (QStringList{"*.dat", "*.*"}));
}

}  // namespace orvexal::test

QTEST_MAIN(orvexal::test::OpenDialogTest)
#include "open_dialog_test.moc"
