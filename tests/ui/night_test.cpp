// The Night window driven offscreen from the main window, in a fresh
// temporary working folder.
#include <QAction>
#include <QImage>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <cmath>

#include "numbers/number_text.h"
#include "ui/main_window.h"
#include "ui/night_window.h"

namespace orvexal::test {

class NightWindowTest : public QObject {
    Q_OBJECT

    QTemporaryDir folder;
    bool inFolder = QDir::setCurrent(folder.path());  // before the start-up reads it
    AppState state;
    MainWindow window{state, [] { return DateTime{2026, 12, 5, 12, 48, 49}; }};
    NightWindow* night = window.findChild<NightWindow*>(QStringLiteral("frmNight"));

    void Trigger(const char* action) { window.findChild<QAction*>(QLatin1String(action))->trigger(); }
    void Calculate(const char* latitude, const char* date)
    {
        window.SetText(Field::Latitude, latitude);
        window.SetText(Field::Date, date);
        QTest::mouseClick(window.findChild<QPushButton*>(QStringLiteral("Command1")), Qt::LeftButton);
    }

private slots:
    // Opened before any calculation, the chart is empty and no pass has run;
    // then it follows each calculation, a night of midnight sun the second.
    void FollowsEveryCalculation()
    {
        QVERIFY(inFolder);
        window.show();
        Trigger("AtChart");
        QVERIFY(night->isVisible() && !night->Track());
        QCOMPARE(window.Text(Field::JulianDate), "0");
        for (const bool midnightSun : {false, true}) {
            Calculate(midnightSun ? "69.3857" : "53.45289", midnightSun ? "2026.0621" : "2026.1219");
            QVERIFY(night->Track() && night->Track()->dusk.has_value() != midnightSun);
            QVERIFY(std::abs(night->Track()->observation.jd - LeadingNumber(window.Text(Field::JulianDate))) < 1e-5);
        }
    }

    // Closed and opened again, its chart saved as a PNG of the chart's size
    // with the day sky of the midnight sun (not the window's grey) just after
    // midnight; a folder that does not exist cannot take it.
    void SavesThePicture()
    {
        QTest::mouseClick(night->findChild<QPushButton*>(QStringLiteral("Command2")), Qt::LeftButton);
        QVERIFY(!night->isVisible());
        Trigger("AtChart");
        QVERIFY(night->SaveImage(QStringLiteral("night.png")));
        const QImage image(QStringLiteral("night.png"));
        QCOMPARE(image.size(), night->findChild<QWidget*>(QStringLiteral("NightChart"))->size());
        QCOMPARE(QColor(image.pixel(image.width() / 2 + 10, image.height() / 2)), QColor(188, 217, 242));
        QVERIFY(!night->SaveImage(QStringLiteral("missing/night.png")));
    }
};

}  // namespace orvexal::test

QTEST_MAIN(orvexal::test::NightWindowTest)
#include "night_test.moc"
