// Shared by the window tests: a fresh working folder per test, message boxes
// answered and recorded, and the program's main window over its state.
#pragma once

#include <QDir>
#include <QMessageBox>
#include <QString>
#include <QTemporaryDir>
#include <QTimer>
#include <memory>

#include "calc/clock.h"
#include "data/app_state.h"
#include "ui/main_window.h"

namespace orvexal::test {

// A temporary folder that is the working folder while it lives.
class WorkingFolder {
public:
    WorkingFolder();
    ~WorkingFolder();
    WorkingFolder(const WorkingFolder&) = delete;
    WorkingFolder& operator=(const WorkingFolder&) = delete;

    QString Path() const { return dir_.path(); }
    QString FilePath(const QString& name) const;
    // Copies a file shipped in share/ of the source tree, under a name.
    void CopyShipped(const QString& shipped, const QString& name) const;
    void Write(const QString& name, const QByteArray& content) const;
    QByteArray Read(const QString& name) const;

private:
    QTemporaryDir dir_;
    QString previous_;
};

// Answers every message box that comes up while it lives with OK and keeps
// what it showed.
class MessageBoxes : public QObject {
    Q_OBJECT

public:
    struct Shown {
        QString title;
        QString text;
        QMessageBox::Icon icon;
        QMessageBox::StandardButtons buttons;
    };

    MessageBoxes();
    const QList<Shown>& Boxes() const { return shown_; }
    // Called when a box comes up, before it is answered.
    std::function<void()> onShown;

private:
    void Answer();

    QTimer timer_;
    QList<Shown> shown_;
};

// 2026-12-05 04:48:49, the clock of every test.
LocalDateTime FixedNow();

// The program as main() makes it: the state, and the main window over it,
// started in the working folder with the fixed clock.
struct Program {
    Program();
    QWidget* Window(const char* name) const;
    template <typename T>
    T* Find(const char* name) const
    {
        return window->findChild<T*>(QLatin1String(name));
    }
    QString Text(const char* name) const;
    void Type(const char* name, const QString& text) const;
    void Trigger(const char* action) const;
    void Click(const char* button, const char* inWindow = "frmMain") const;

    std::unique_ptr<AppState> state;
    std::unique_ptr<MainWindow> window;
};

// The seven lines of a settings file, each ended by a line feed.
QByteArray SettingsLines(const QStringList& items);

// Rows of a data-driven test of two text columns, "name" and "text", each
// row named after its name.
void AddTextRows(const char* nameColumn, std::initializer_list<std::pair<const char*, const char*>> rows);

// A test case whose every test runs in a fresh working folder; with
// startProgram, the program is started there and its main window shown,
// after PrepareFolder has put the test's files in place.
class WindowTestCase : public QObject {
    Q_OBJECT

protected:
    explicit WindowTestCase(bool startProgram) : startProgram_(startProgram) {}
    virtual void PrepareFolder(const WorkingFolder& /*folder*/) {}

    const WorkingFolder& Folder() const { return *folder_; }
    const Program& TheProgram() const { return *program_; }

private slots:
    void init();
    void cleanup();

private:
    bool startProgram_;
    std::unique_ptr<WorkingFolder> folder_;
    std::unique_ptr<Program> program_;
};

}  // namespace orvexal::test
