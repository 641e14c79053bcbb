// The help pages and the About box: their texts, buttons and navigation.
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "ui_test_support.h"

namespace orvexal::test {

class HelpWindowsTest : public WindowTestCase {
    Q_OBJECT

public:
    HelpWindowsTest() : WindowTestCase(true) {}

private slots:
    void texts_data();
    void texts();
    void captions_data();
    void captions();
    void buttons_data();
    void buttons();
    void pageLook();
    void navigation_data();
    void navigation();
    void keys_data();
    void keys();
    void pagesExistOnceAndSurviveHiding();
    void aboutBox_data();
    void aboutBox();
    void aboutBoxClosesByItsCloseControl();

private:
    QStringList Shown() const;
};

// The help pages on the screen, by name.
QStringList HelpWindowsTest::Shown() const
{
    QStringList shown;
    for (const char* page : {"frmHelp1", "frmHelp2", "frmHelp3"}) {
        if (TheProgram().Window(page)->isVisible()) {
            shown << QLatin1String(page);
        }
    }
    return shown;
}

void HelpWindowsTest::texts_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("label");
    QTest::addColumn<int>("blanks");
    QTest::addColumn<QString>("text");
    const struct {
        const char* window;
        const char* label;
        int blanks;
        const char* text;
    } rows[] = {
        {"frmHelp1", "Label1", 0,
         "LATITUDE (+ to N)      In the form DD.MMSS (degree.minutesecond), negative if south of the "
         "equator. "},
        {"frmHelp1", "Label13", 35, "eg for Calgary AB,  use 51.03 for 51 deg 3 min N."},
        {"frmHelp1", "Label14", 35, "for 114 deg 17' W)"},
        {"frmHelp1", "Label8", 0,
         "TIME (local)                  In the form HH.MMSSs.  eg use 22.1232 for 22h 12m 32s. "},
        {"frmHelp1", "Label15", 0,
         "ANGLE SUN for twi-lite   Pick your favourite twilight: Civil = -6°, Nautical = -12°, "
         "Astronomical = -18°"},
        {"frmHelp2", "Label2", 39, "Note that we are ignoring any proper motion."},
        {"frmHelp2", "Label4", 40, "Note that we are ignoring any proper motion here also."},
        {"frmHelp2", "Label14", 41, "along the plane of the Galaxy."},
        {"frmHelp2", "Label17", 0, "Sun'sdeclination              at the given date and time."},
        {"frmHelp3", "Label3", 21, "in RA and < 2\" in Dec, but note that proper motion is neglected."},
        {"frmHelp3", "Label7", 20, "[1967], page 8, by the American Association of Variable Star Observers."},
        {"frmHelp3", "Label11", 0,
         "AZIMUTHAL and ZENITH ANGLES use formulae in Duffett-Smith, Practical Astronomy"},
        {"frmHelp3", "Label14", 0,
         "AIR MASS is from Henden and Kaitchuck, Astronomical Photometry, (1982), page 87."},
        {"frmHelp3", "Label16", 0,
         "CONSTELLATION is from Roman, Publ. of the Astr. Soc. Pacific, 617, p. 695 (July 87)."},
        {"frmHelp3", "Label20", 0, "SUN'S COORDINATES use formulae in Duffett-Smith, 1979 [ibid], pages 49-50"},
        {"frmHelp3", "Label22", 0, "DUSK + DAWN TIMES use formulae in Duffett-Smith, 1979 [ibid], pages 36-37"},
    };
    for (const auto& row : rows) {
        QTest::addRow("%s %s", row.window, row.label)
            << row.window << row.label << row.blanks << QString::fromUtf8(row.text);
    }
}

void HelpWindowsTest::texts()
{
    QFETCH(QString, window);
    QFETCH(QString, label);
    QFETCH(int, blanks);
    QFETCH(QString, text);
    const QString shown =
        TheProgram().Window(window.toLatin1())->findChild<QLabel*>(label)->text();
    QCOMPARE(shown, QString(blanks, QLatin1Char(' ')) + text);
}

void HelpWindowsTest::captions_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<int>("labels");
    QTest::newRow("page 1") << "frmHelp1" << "HELP 1 - INPUT" << 15;
    QTest::newRow("page 2") << "frmHelp2" << "HELP 2 - OUTPUT" << 19;
    QTest::newRow("page 3") << "frmHelp3" << "HELP 3 - JUSTIFICATION" << 21;
    QTest::newRow("About") << "frmAbout" << "About" << 4;
}

void HelpWindowsTest::captions()
{
    QFETCH(QString, window);
    QFETCH(QString, caption);
    QFETCH(int, labels);
    QWidget* shown = TheProgram().Window(window.toLatin1());
    QCOMPARE(shown->windowTitle(), caption);
    QCOMPARE(shown->findChildren<QLabel*>().size(), labels);
    QVERIFY(!shown->isVisible());
}

void HelpWindowsTest::buttons_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QStringList>("buttons");  // "name:text", the default one marked "*"
    QTest::newRow("page 1") << "frmHelp1" << QStringList{"Command3:&Next Page*", "Command1:&Exit"};
    QTest::newRow("page 2") << "frmHelp2"
                            << QStringList{"Command2:&Prev. Page", "Command3:&Next Page*", "Command1:&Exit"};
    QTest::newRow("page 3") << "frmHelp3" << QStringList{"Command2:&Prev. Page", "Command1:&Exit"};
    QTest::newRow("About") << "frmAbout" << QStringList{};
}

void HelpWindowsTest::buttons()
{
    QFETCH(QString, window);
    QFETCH(QStringList, buttons);
    QStringList actual;
    for (const QPushButton* button : TheProgram().Window(window.toLatin1())->findChildren<QPushButton*>()) {
        actual << button->objectName() + ':' + button->text() + (button->isDefault() ? "*" : "");
    }
    QCOMPARE(actual, buttons);
}

void HelpWindowsTest::pageLook()
{
    for (const char* page : {"frmHelp1", "frmHelp2", "frmHelp3"}) {
        QWidget* window = TheProgram().Window(page);
        QCOMPARE(window->palette().color(QPalette::Window), QColor(Qt::white));
        for (const QLabel* label : window->findChildren<QLabel*>()) {
            QCOMPARE(label->font().pointSizeF(), 8.25);
            QVERIFY(label->font().bold());
            QCOMPARE(label->palette().color(QPalette::WindowText), QColor(Qt::black));
        }
    }
}

void HelpWindowsTest::navigation_data()
{
    QTest::addColumn<QStringList>("opened");
    QTest::addColumn<QString>("page");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QStringList>("shown");
    QTest::newRow("next on page 1 leaves page 3 open")
        << QStringList{"AtHelp3", "AtHelp1"} << "frmHelp1" << "Command3"
        << QStringList{"frmHelp2", "frmHelp3"};
    QTest::newRow("previous on page 2") << QStringList{"AtHelp2"} << "frmHelp2" << "Command2"
                                        << QStringList{"frmHelp1"};
    QTest::newRow("next on page 2") << QStringList{"AtHelp2"} << "frmHelp2" << "Command3"
                                    << QStringList{"frmHelp3"};
    QTest::newRow("previous on page 3") << QStringList{"AtHelp3"} << "frmHelp3" << "Command2"
                                        << QStringList{"frmHelp2"};
    QTest::newRow("exit on page 1") << QStringList{"AtHelp1", "AtHelp2"} << "frmHelp1" << "Command1"
                                    << QStringList{"frmHelp2"};
    QTest::newRow("exit on page 3") << QStringList{"AtHelp3"} << "frmHelp3" << "Command1" << QStringList{};
}

void HelpWindowsTest::navigation()
{
    QFETCH(QStringList, opened);
    QFETCH(QString, page);
    QFETCH(QString, button);
    QFETCH(QStringList, shown);
    for (const QString& command : opened) {
        TheProgram().Trigger(command.toLatin1());
    }
    TheProgram().Click(button.toLatin1(), page.toLatin1());
    QCOMPARE(Shown(), shown);
    QVERIFY(TheProgram().window->isVisible());
}

void HelpWindowsTest::keys_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QKeyCombination>("key");
    QTest::addColumn<QStringList>("shown");
    QTest::newRow("Enter on page 1: next") << "AtHelp1" << QKeyCombination(Qt::Key_Return) << QStringList{"frmHelp2"};
    QTest::newRow("Enter on page 2: next") << "AtHelp2" << QKeyCombination(Qt::Key_Return) << QStringList{"frmHelp3"};
    QTest::newRow("Esc on page 1: exit") << "AtHelp1" << QKeyCombination(Qt::Key_Escape) << QStringList{};
    QTest::newRow("Esc on page 3: exit") << "AtHelp3" << QKeyCombination(Qt::Key_Escape) << QStringList{};
    QTest::newRow("Alt+P on page 3") << "AtHelp3" << (Qt::ALT | Qt::Key_P) << QStringList{"frmHelp2"};
    QTest::newRow("Alt+N on page 2") << "AtHelp2" << (Qt::ALT | Qt::Key_N) << QStringList{"frmHelp3"};
    QTest::newRow("Alt+E on page 2") << "AtHelp2" << (Qt::ALT | Qt::Key_E) << QStringList{};
}

void HelpWindowsTest::keys()
{
    QFETCH(QString, command);
    QFETCH(QKeyCombination, key);
    QFETCH(QStringList, shown);
    TheProgram().Trigger(command.toLatin1());
    QWidget* page = TheProgram().Window(QByteArray("frmHelp") + command.back().toLatin1());
    QVERIFY(QTest::qWaitForWindowActive(page));
    QTest::keyClick(QApplication::focusWidget(), key.key(), key.keyboardModifiers());
    // A button pressed by its accelerator is released a moment later.
    QTRY_COMPARE(Shown(), shown);
}

void HelpWindowsTest::pagesExistOnceAndSurviveHiding()
{
    const QPointer<QWidget> page = TheProgram().Window("frmHelp1");
    TheProgram().Trigger("AtHelp1");
    TheProgram().Trigger("AtHelp1");
    TheProgram().Click("Command1", "frmHelp1");
    QCoreApplication::processEvents();
    TheProgram().Trigger("AtHelp1");
    QVERIFY(!page.isNull());
    QVERIFY(page->isVisible());
    QCOMPARE(TheProgram().window->findChildren<QWidget*>(QStringLiteral("frmHelp1")).size(), 1);
}

void HelpWindowsTest::aboutBox_data()
{
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("serif");
    QTest::addColumn<double>("points");
    QTest::addColumn<QColor>("colour");
    QTest::newRow("Label1") << "Label1" << "Orvexal" << true << 13.5 << QColor(0, 0, 128);
    QTest::newRow("Label6") << "Label6" << "Version 42a of 2018-06-07" << false << 8.25 << QColor(Qt::black);
    QTest::newRow("Label7") << "Label7" << QString(61, '-') << false << 8.25 << QColor(Qt::black);
    QTest::newRow("Label3") << "Label3" << "" << false << 8.25 << QColor(Qt::black);
}

void HelpWindowsTest::aboutBox()
{
    QFETCH(QString, label);
    QFETCH(QString, text);
    QFETCH(bool, serif);
    QFETCH(double, points);
    QFETCH(QColor, colour);
    QWidget* about = TheProgram().Window("frmAbout");
    QCOMPARE(about->palette().color(QPalette::Window), QColor(192, 255, 192));
    const auto* shown = about->findChild<QLabel*>(label);
    QCOMPARE(shown->text(), text);
    QCOMPARE(shown->font().styleHint(), serif ? QFont::Serif : QFont::SansSerif);
    QCOMPARE(shown->font().pointSizeF(), points);
    QVERIFY(shown->font().bold());
    QCOMPARE(shown->palette().color(QPalette::WindowText), colour);
    QCOMPARE(shown->x(), 8);
}

void HelpWindowsTest::aboutBoxClosesByItsCloseControl()
{
    TheProgram().Trigger("AtAbout");
    const QPointer<QWidget> about = TheProgram().Window("frmAbout");
    QVERIFY(about->isVisible());
    about->close();
    QCoreApplication::processEvents();
    QVERIFY(!about.isNull());
    QVERIFY(!about->isVisible());
    TheProgram().Trigger("AtAbout");
    QVERIFY(about->isVisible());
    QVERIFY(TheProgram().window->isVisible());
}

}  // namespace orvexal::test

QTEST_MAIN(orvexal::test::HelpWindowsTest)
#include "help_windows_test.moc"
