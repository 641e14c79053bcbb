#include "ui/file_lists.h"

#include <QDir>
#include <QFileInfo>
#include <QHeaderView>
#include <QKeyEvent>
#include <QStyle>

namespace orvexal {
namespace {

constexpr int kPathRole = Qt::UserRole;

QTreeWidgetItem* AddFolder(QTreeWidgetItem* parent, const QDir& folder, const QString& caption,
                           const QIcon& icon)
{
    auto* item = new QTreeWidgetItem(parent, {caption});
    item->setIcon(0, icon);
    item->setData(0, kPathRole, folder.absolutePath());
    return item;
}

// The folders from the root down to the folder itself, root first.
QList<QDir> Lineage(QDir folder)
{
    QList<QDir> lineage{folder};
    while (folder.cdUp()) {
        lineage.prepend(folder);
    }
    return lineage;
}

QString Caption(const QDir& folder)
{
    return folder.isRoot() ? QDir::toNativeSeparators(folder.absolutePath()) : folder.dirName();
}

}  // namespace

DriveList::DriveList(QWidget* parent) : QComboBox(parent)
{
    const QString working = QDir::currentPath();
    for (const QFileInfo& root : QDir::drives()) {
        addItem(QDir::toNativeSeparators(root.absoluteFilePath()), root.absoluteFilePath());
        if (working.startsWith(root.absoluteFilePath())) {
            setCurrentIndex(count() - 1);
        }
    }
}

QString DriveList::CurrentFolderOn(const QString& root)
{
    const QString working = QDir::currentPath();
    return working.startsWith(root) ? working : root;
}

DirectoryList::DirectoryList(QWidget* parent) : QTreeWidget(parent)
{
    setHeaderHidden(true);
    setRootIsDecorated(false);
    setItemsExpandable(false);
    setExpandsOnDoubleClick(false);
    setIndentation(fontMetrics().averageCharWidth() * 2);
    connect(this, &QTreeWidget::itemActivated, this,
            [this](QTreeWidgetItem* item) { SetPath(item->data(0, kPathRole).toString()); });
}

void DirectoryList::SetPath(const QString& path)
{
    const QString absolute = QDir(path).absolutePath();
    if (absolute == path_) {
        return;
    }
    path_ = absolute;
    ShowPath();
    emit PathChanged(path_);
}

void DirectoryList::keyPressEvent(QKeyEvent* event)
{
    QTreeWidget::keyPressEvent(event);
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        event->accept();
    }
}

void DirectoryList::ShowPath()
{
    clear();
    const QIcon open = style()->standardIcon(QStyle::SP_DirOpenIcon);
    QTreeWidgetItem* item = invisibleRootItem();
    for (const QDir& folder : Lineage(QDir(path_))) {
        item = AddFolder(item, folder, Caption(folder), open);
    }
    setCurrentItem(item);
    const QIcon closed = style()->standardIcon(QStyle::SP_DirIcon);
    const QDir current(path_);
    const auto flags = QDir::Dirs | QDir::NoDotAndDotDot;
    for (const QString& name : current.entryList(flags, QDir::Name | QDir::IgnoreCase)) {
        AddFolder(item, QDir(current.filePath(name)), name, closed);
    }
    expandAll();
}

FileList::FileList(QWidget* parent) : QListWidget(parent) {}

void FileList::SetPath(const QString& path)
{
    path_ = path;
    Refresh();
}

void FileList::SetPattern(const QString& pattern)
{
    pattern_ = pattern;
    Refresh();
}

QString FileList::FirstName() const
{
    return count() > 0 ? item(0)->text() : QString();
}

void FileList::Refresh()
{
    clear();
    // "*.*" stands for every file, also those without a point in the name.
    const QString filter = pattern_ == QLatin1String("*.*") ? QStringLiteral("*") : pattern_;
    addItems(QDir(path_).entryList({filter}, QDir::Files, QDir::Name | QDir::IgnoreCase));
}

}  // namespace orvexal
