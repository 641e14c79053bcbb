// The three coupled lists of the open dialog: drives, the directory tree of
// the current path, and the files of a directory that match a pattern.
#pragma once

#include <QComboBox>
#include <QListWidget>
#include <QTreeWidget>

namespace orvexal {

// The file-system roots; the entry shown is the root of the working folder.
class DriveList : public QComboBox {
    Q_OBJECT

public:
    explicit DriveList(QWidget* parent = nullptr);

    // The folder to go to on a root: the working folder when it lies on that
    // root, otherwise the root itself.
    static QString CurrentFolderOn(const QString& root);
};

// The folders from the root down to the current one, then the folders inside
// it. Activating a folder (double-click or Enter) makes it the current one;
// that Enter goes no further, to the dialog's default button.
class DirectoryList : public QTreeWidget {
    Q_OBJECT

public:
    explicit DirectoryList(QWidget* parent = nullptr);

    QString Path() const { return path_; }
    void SetPath(const QString& path);

signals:
    void PathChanged(const QString& path);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    // The folders are shown by indentation alone, always open.
    void drawBranches(QPainter*, const QRect&, const QModelIndex&) const override {}

private:
    void ShowPath();

    QString path_;
};

// The names of the files of a folder that match a pattern, sorted by name
// regardless of case; the pattern matches regardless of case too.
class FileList : public QListWidget {
    Q_OBJECT

public:
    explicit FileList(QWidget* parent = nullptr);

    void SetPath(const QString& path);
    void SetPattern(const QString& pattern);
    QString FirstName() const;

private:
    void Refresh();

    QString path_;
    QString pattern_;
};

}  // namespace orvexal
