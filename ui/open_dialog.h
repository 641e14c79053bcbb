// frmOpen: the program's own dialog for choosing the location file to load.
// Enter is "OK" (in the folder list it opens the folder), Esc "Cancel".
#pragma once

#include <QDialog>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace orvexal {

class DirectoryList;
class DriveList;
class FileList;

class OpenDialog : public QDialog {
    Q_OBJECT

public:
    // Prepared once, hidden: the pattern entries "*.dat" and "*.*", the
    // first one chosen, the working folder listed, and "location.dat"
    // proposed, written as the folder has it.
    explicit OpenDialog(QWidget* parent = nullptr);

    // Shows the dialog with "*.dat" chosen and the file list read afresh.
    void ShowFresh();

signals:
    // The file to load: the shown folder joined with the name in the box, or
    // the name itself when it is an absolute path; when no file has that
    // exact name, the single one whose name differs only in case.
    void FileChosen(const QString& path);

protected:
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void CreateControls();
    void ConnectSignals();
    void ShowFolder(const QString& path);
    void ShowFolderPath();
    void Confirm();
    void ApplyLayout();

    QLabel* fileNameCaption_ = nullptr;
    QLineEdit* fileName_ = nullptr;
    FileList* files_ = nullptr;
    QLabel* typeCaption_ = nullptr;
    QComboBox* types_ = nullptr;
    QLabel* folderCaption_ = nullptr;
    QLabel* folder_ = nullptr;
    DirectoryList* folders_ = nullptr;
    QLabel* driveCaption_ = nullptr;
    DriveList* drives_ = nullptr;
    QPushButton* ok_ = nullptr;
    QPushButton* cancel_ = nullptr;
};

}  // namespace orvexal
