#include "ui_test_support.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace orvexal::test {

WorkingFolder::WorkingFolder() : previous_(QDir::currentPath())
{
    QDir::setCurrent(dir_.path());
}

WorkingFolder::~WorkingFolder()
{
    QDir::setCurrent(previous_);
}

QString WorkingFolder::FilePath(const QString& name) const
{
    return dir_.filePath(name);
}

void WorkingFolder::CopyShipped(const QString& shipped, const QString& name) const
{
    const QString source = QStringLiteral(ORVEXAL_SHARE_DIR "/") + shipped;
    if (!QFile::copy(source, FilePath(name))) {
        qFatal("cannot copy %s", qPrintable(source));
    }
}

void WorkingFolder::Write(const QString& name, const QByteArray& content) const
{
    QFile file(FilePath(name));
    if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size()) {
        qFatal("cannot write %s", qPrintable(name));
    }
}

QByteArray WorkingFolder::Read(const QString& name) const
{
    QFile file(FilePath(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

MessageBoxes::MessageBoxes()
{
    connect(&timer_, &QTimer::timeout, this, &MessageBoxes::Answer);
    timer_.start(10);
}

void MessageBoxes::Answer()
{
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (box == nullptr || !box->isVisible()) {
        return;
    }
    shown_.append({box->windowTitle(), box->text(), box->icon(), box->standardButtons()});
    if (onShown) {
        onShown();
    }
    box->button(QMessageBox::Ok)->click();
}

LocalDateTime FixedNow()
{
    return {2026, 12, 5, 4, 48, 49};
}

Program::Program()
    : state(std::make_unique<AppState>()),
      window(std::make_unique<MainWindow>(*state, FixedNow))
{
}

QWidget* Program::Window(const char* name) const
{
    if (window->objectName() == QLatin1String(name)) {
        return window.get();
    }
    return Find<QWidget>(name);
}

QString Program::Text(const char* name) const
{
    QWidget* control = Find<QWidget>(name);
    if (auto* label = qobject_cast<QLabel*>(control)) {
        return label->text();
    }
    return qobject_cast<QLineEdit*>(control)->text();
}

void Program::Type(const char* name, const QString& text) const
{
    auto* box = Find<QLineEdit>(name);
    box->selectAll();
    QTest::keyClicks(box, text);
    if (text.isEmpty()) {
        box->del();
    }
}

void Program::Trigger(const char* action) const
{
    Find<QAction>(action)->trigger();
}

void Program::Click(const char* button, const char* inWindow) const
{
    auto* control = Window(inWindow)->findChild<QPushButton*>(QLatin1String(button));
    QTest::mouseClick(control, Qt::LeftButton);
}

QByteArray SettingsLines(const QStringList& items)
{
    return items.join(QLatin1Char('\n')).toUtf8() + '\n';
}

void AddTextRows(const char* nameColumn, std::initializer_list<std::pair<const char*, const char*>> rows)
{
    QTest::addColumn<QString>(nameColumn);
    QTest::addColumn<QString>("text");
    for (const auto& [name, text] : rows) {
        QTest::newRow(name) << QString::fromUtf8(name) << QString::fromUtf8(text);
    }
}

void WindowTestCase::init()
{
    folder_ = std::make_unique<WorkingFolder>();
    if (startProgram_) {
        PrepareFolder(*folder_);
        program_ = std::make_unique<Program>();
        program_->window->show();
    }
}

void WindowTestCase::cleanup()
{
    program_.reset();
    folder_.reset();
}

}  // namespace orvexal::test
