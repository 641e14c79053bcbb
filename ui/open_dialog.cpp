#include "ui/open_dialog.h"

#include <QComboBox>
#include <QDir>
#include <QEvent>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "data/file_name_case.h"
#include "ui/controls.h"
#include "ui/file_lists.h"

namespace orvexal {
namespace {

constexpr double kDesignedWidth = 7020;
constexpr double kDesignedHeight = 7125;

template <typename Control>
Control* Placed(Control* control, const char* name, const Place& place)
{
    control->setObjectName(QLatin1String(name));
    control->setGeometry(PixelRect(place));
    return control;
}

void MoveTo(QWidget* control, double leftTwips, double topTwips)
{
    control->move(Pixels(leftTwips), Pixels(topTwips));
}

void SetWidth(QWidget* control, double twips)
{
    control->resize(Pixels(twips), control->height());
}

void SetHeight(QWidget* control, double twips)
{
    control->resize(control->width(), Pixels(twips));
}

QString IgnoringCase(const QString& path)
{
    return QFile::decodeName(QByteArray::fromStdString(PathIgnoringCase(QFile::encodeName(path).toStdString())));
}

}  // namespace

OpenDialog::OpenDialog(QWidget* parent) : QDialog(parent)
{
    SetUpWindow(this, "frmOpen", tr("Open "));
    SetBackground(this, QColor(192, 192, 192));
    CreateControls();

    const QString working = QDir::currentPath();
    folders_->SetPath(working);
    files_->SetPath(working);
    types_->addItems({QStringLiteral("*.dat"), QStringLiteral("*.*")});
    types_->setCurrentIndex(0);
    files_->SetPattern(types_->currentText());
    ShowFolderPath();
    fileName_->setText(QFileInfo(IgnoringCase(QDir(working).filePath(fileName_->text()))).fileName());

    ConnectSignals();
    ApplyLayout();
    SetClientSize(this, kDesignedWidth, kDesignedHeight);
}

void OpenDialog::CreateControls()
{
    const QFont font = this->font();
    fileNameCaption_ = AddLabel(this, "Label1", tr("File Name:"), {120, 120, 975, 255}, font);
    fileName_ = AddLineEdit(this, "Text1", QStringLiteral("location.dat"), {120, 360, 2415, 315});
    files_ = Placed(new FileList(this), "File1", {120, 840, 2415, 5490});
    typeCaption_ = AddLabel(this, "Label2", tr("List Files of Type:"), {120, 6480, 2415, 255}, font);
    types_ = Placed(new QComboBox(this), "Combo1", {120, 6720, 2415, 315});
    folderCaption_ = AddLabel(this, "Label3", tr("Directories:"), {2880, 120, 2295, 255}, font);
    folder_ = AddLabel(this, "Label4", QString(), {2880, 360, 3975, 255}, font);
    folders_ = Placed(new DirectoryList(this), "Dir1", {2880, 720, 2415, 5715});
    driveCaption_ = AddLabel(this, "Label5", tr("Drives:"), {2880, 6480, 1335, 255}, font);
    drives_ = Placed(new DriveList(this), "Drive1", {2880, 6720, 2415, 315});
    ok_ = AddButton(this, "Command1", tr("OK"), {5520, 720, 1335, 375});
    cancel_ = AddButton(this, "Command2", tr("Cancel"), {5520, 1200, 1335, 375});
    ok_->setDefault(true);
    fileName_->installEventFilter(this);
}

void OpenDialog::ConnectSignals()
{
    connect(drives_, &QComboBox::currentIndexChanged, this, [this] {
        folders_->SetPath(DriveList::CurrentFolderOn(drives_->currentData().toString()));
    });
    connect(folders_, &DirectoryList::PathChanged, this, &OpenDialog::ShowFolder);
    connect(types_, &QComboBox::currentIndexChanged, this,
            [this] { files_->SetPattern(types_->currentText()); });
    // A file chosen with the keys and Enter is named too, before "OK".
    for (const auto chosen : {&QListWidget::itemClicked, &QListWidget::itemActivated}) {
        connect(files_, chosen, this, [this](QListWidgetItem* item) { fileName_->setText(item->text()); });
    }
    connect(files_, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* item) {
        fileName_->setText(item->text());
        Confirm();
    });
    connect(ok_, &QPushButton::clicked, this, &OpenDialog::Confirm);
    connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);
}

void OpenDialog::ShowFresh()
{
    types_->setCurrentIndex(1);
    BringUp(this);
    types_->setCurrentIndex(0);
}

void OpenDialog::ShowFolder(const QString& path)
{
    files_->SetPath(path);
    fileName_->setText(files_->FirstName());
    ShowFolderPath();
}

// A path too long for the label is shortened in the middle; the whole path
// is its tool tip.
void OpenDialog::ShowFolderPath()
{
    const QString path = QDir::toNativeSeparators(folders_->Path());
    folder_->setText(folder_->fontMetrics().elidedText(path, Qt::ElideMiddle, folder_->width()));
    folder_->setToolTip(path);
}

void OpenDialog::Confirm()
{
    emit FileChosen(IgnoringCase(QDir(folders_->Path()).filePath(fileName_->text())));
    hide();
}

bool OpenDialog::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == fileName_ && event->type() == QEvent::MouseButtonDblClick) {
        Confirm();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void OpenDialog::resizeEvent(QResizeEvent* event)
{
    ApplyLayout();
    QDialog::resizeEvent(event);
}

// The lists are shortened so that the captions and lists below them line up
// at 2430 and 2670 twips, and the columns close up. The rules use fixed
// values only, so the arrangement is the same at every window size.
void OpenDialog::ApplyLayout()
{
    constexpr double kFileListHeight = 1440;
    constexpr double kFolderListHeight = 1650;
    constexpr double kLeftColumnWidth = 2362.5;
    constexpr double kMiddleColumnWidth = 2002.5;
    constexpr double kMiddleLeft = kLeftColumnWidth + 345;
    constexpr double kRightLeft = kMiddleColumnWidth + kLeftColumnWidth + 570;

    SetHeight(files_, kFileListHeight);
    MoveTo(typeCaption_, 120, kFileListHeight + 990);
    MoveTo(types_, 120, kFileListHeight + 1230);
    SetHeight(folders_, kFolderListHeight);
    MoveTo(driveCaption_, kMiddleLeft, kFolderListHeight + 780);
    MoveTo(drives_, kMiddleLeft, kFolderListHeight + 1020);
    for (QWidget* control : std::initializer_list<QWidget*>{fileName_, files_, types_}) {
        SetWidth(control, kLeftColumnWidth);
    }
    for (QWidget* control : std::initializer_list<QWidget*>{folders_, drives_}) {
        SetWidth(control, kMiddleColumnWidth);
    }
    MoveTo(folderCaption_, kMiddleLeft, 120);
    MoveTo(folder_, kMiddleLeft, 360);
    MoveTo(folders_, kMiddleLeft, 720);
    MoveTo(ok_, kRightLeft, 720);
    MoveTo(cancel_, kRightLeft, 1200);
}

}  // namespace orvexal
