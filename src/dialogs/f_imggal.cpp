#include "dialogs/f_imggal.h"

#include "controls/dialog_rows.h"
#include "controls/folder_lists.h"
#include "controls/message_box.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QPushButton>
#include <QTreeView>

namespace {

const int ListWidth = 170;
const int ListHeight = 190;

template <typename View> View *newList(QWidget *parent, const char *name)
{
    auto *view = new View(parent);
    nameControl(view, name);
    view->setFixedSize(ListWidth, ListHeight);
    return view;
}

} // namespace

TImgGal::TImgGal(QWidget *parent)
    : TStdDialog(QStringLiteral("ImgGal"), QStringLiteral("Image Gallery"), parent)
{
    buildLists();
    buildFields();
    ChangeDirectory(QDir::currentPath());
}

void TImgGal::buildLists()
{
    cbDrive = new QComboBox(this);
    nameControl(cbDrive, "cbDrive", QStringLiteral("Drive"));
    cbDrive->setFixedWidth(ListWidth);
    lbDir = newList<QTreeView>(this, "lbDir");
    m_folders = new FolderLists(*cbDrive, *lbDir, [this](const QString &path) { showFiles(path); });

    m_files = new QFileSystemModel(this);
    m_files->setFilter(QDir::Files);
    m_files->setNameFilterDisables(false);
    lbFile = newList<QListView>(this, "lbFile");
    lbFile->setModel(m_files);
    // Rows of one height, laid out in batches: a folder of thousands of names lists without
    // measuring each name or holding up the dialog.
    lbFile->setUniformItemSizes(true);
    lbFile->setLayoutMode(QListView::Batched);
    Label1 = new QLabel(QStringLiteral("Available Images :"), this);
    nameControl(Label1, "Label1");
    cbFilter = new QComboBox(this);
    nameControl(cbFilter, "cbFilter", QStringLiteral("Filter"));
    cbFilter->setFixedWidth(ListWidth);
    cbFilter->addItem(QStringLiteral("Images (*.jpg, *.gif)"), QStringLiteral("*.jpg;*.gif"));
    cbFilter->addItem(QStringLiteral("All files (*.*)"), QStringLiteral("*.*"));
    cbFilterChange();

    sbAdd = newButton<QPushButton>(this, "sbAdd", QStringLiteral(">"));
    sbRemove = newButton<QPushButton>(this, "sbRemove", QStringLiteral("<"));
    sbAddAll = newButton<QPushButton>(this, "sbAddAll", QStringLiteral(">>"));
    sbRemoveAll = newButton<QPushButton>(this, "sbRemoveAll", QStringLiteral("<<"));
    auto *buttons = new QVBoxLayout;
    buttons->addStretch(1);
    for (QPushButton *button : {sbAdd, sbRemove, sbAddAll, sbRemoveAll}) {
        button->setAutoDefault(false);
        button->setFixedWidth(button->sizeHint().height() * 3 / 2);
        buttons->addWidget(button);
    }
    buttons->addStretch(1);

    lbImages = newList<QListWidget>(this, "lbImages");
    Label2 = new QLabel(QStringLiteral("Selected Images :"), this);
    nameControl(Label2, "Label2");
    Label1->setBuddy(lbFile);
    Label2->setBuddy(lbImages);

    auto *grid = new QGridLayout;
    grid->addWidget(cbDrive, 0, 0);
    grid->addWidget(lbDir, 1, 0);
    grid->addWidget(Label1, 0, 1);
    grid->addWidget(lbFile, 1, 1);
    grid->addWidget(cbFilter, 2, 1);
    grid->addLayout(buttons, 1, 2);
    grid->addWidget(Label2, 0, 3);
    grid->addWidget(lbImages, 1, 3);
    body()->addLayout(grid);

    connect(cbFilter, &QComboBox::activated, this, &TImgGal::cbFilterChange);
    connect(sbAdd, &QPushButton::clicked, this, &TImgGal::sbAddImage);
    connect(sbRemove, &QPushButton::clicked, this, &TImgGal::sbRemoveImgage);
    connect(sbAddAll, &QPushButton::clicked, this, &TImgGal::sbAddAllImages);
    connect(sbRemoveAll, &QPushButton::clicked, this, &TImgGal::sbRemoveAllImages);
}

void TImgGal::buildFields()
{
    DialogRows rows(this);
    eTitle = newLineEdit(this, "eTitle");
    Label3 = rows.labelled(QStringLiteral("&Title :"), eTitle, "Label3");
    eNrRow = newLineEdit(this, "eNrRow", QStringLiteral("4"));
    Label4 = rows.labelled(QStringLiteral("&Nr. of Images in a row :"), eNrRow, "Label4");

    cbUseBorder =
        newButton<QCheckBox>(this, "cbUseBorder", QStringLiteral("&Border around the images :"));
    cbUseBorder->setChecked(true);
    eBorder = newLineEdit(this, "eBorder", QStringLiteral("1"));
    Label5 = new QLabel(QStringLiteral("&Size :"), this);
    nameControl(Label5, "Label5");
    Label5->setBuddy(eBorder);
    auto *border = new QHBoxLayout;
    border->addWidget(Label5);
    border->addWidget(eBorder);
    border->addStretch(1);
    const int borderRow = rows.layout()->rowCount();
    rows.layout()->addWidget(cbUseBorder, borderRow, 0);
    rows.layout()->addLayout(border, borderRow, 1);

    eURLImg = newLineEdit(this, "eURLImg");
    Label6 = rows.labelled(QStringLiteral("&URL for the images :"), eURLImg, "Label6");
    eURLLink = newLineEdit(this, "eURLLink");
    Label7 = rows.labelled(QStringLiteral("U&RL for the links :"), eURLLink, "Label7");
    body()->addLayout(rows.layout());

    // The counts are short: their boxes need not span the row.
    const int shortWidth = eNrRow->fontMetrics().horizontalAdvance(QStringLiteral("00000")) + 12;
    eNrRow->setFixedWidth(shortWidth);
    eBorder->setFixedWidth(shortWidth);
    rows.layout()->setAlignment(eNrRow, Qt::AlignLeft);

    connect(cbUseBorder, &QCheckBox::toggled, this, &TImgGal::cbUseBorderClick);
}

void TImgGal::ChangeDirectory(const QString &path)
{
    m_folders->changeDirectory(path);
}

void TImgGal::showEvent(QShowEvent *event)
{
    TStdDialog::showEvent(event);
    lbDir->scrollTo(lbDir->currentIndex());
}

QString TImgGal::Directory() const
{
    return m_folders->folder();
}

void TImgGal::showFiles(const QString &path)
{
    // The model reads the folder in the background: a slow folder fills in as it answers, and
    // one that cannot be read stays empty. One that is gone has no place in the model: the list
    // goes blank rather than keep the last folder.
    const QFileInfo folder(path);
    lbFile->setModel(folder.isDir() ? m_files : nullptr);
    if (folder.isDir())
        lbFile->setRootIndex(m_files->setRootPath(path));
    if (!folder.isDir() || !folder.isReadable() || !folder.isExecutable())
        ShowError(
            this,
            QStringLiteral("The folder %1 cannot be read.").arg(QDir::toNativeSeparators(path)));
}

void TImgGal::cbFilterChange()
{
    m_files->setNameFilters(maskFilters(cbFilter->currentData().toString()));
}

void TImgGal::sbAddImage()
{
    const QModelIndex current = lbFile->currentIndex();
    if (current.isValid() && current.parent() == lbFile->rootIndex() &&
        lbFile->selectionModel()->isSelected(current))
        lbImages->addItem(m_files->fileName(current));
}

void TImgGal::sbRemoveImgage()
{
    const QListWidgetItem *current = lbImages->currentItem();
    if (current && current->isSelected())
        delete current;
}

void TImgGal::sbAddAllImages()
{
    const QModelIndex root = lbFile->rootIndex();
    if (!root.isValid())
        return;
    QStringList names;
    for (int row = 0; row < m_files->rowCount(root); ++row)
        names.append(m_files->fileName(m_files->index(row, 0, root)));
    lbImages->addItems(names);
}

void TImgGal::sbRemoveAllImages()
{
    lbImages->clear();
}

void TImgGal::cbUseBorderClick()
{
    Label5->setEnabled(cbUseBorder->isChecked());
    eBorder->setEnabled(cbUseBorder->isChecked());
}

bool TImgGal::bbOKClick()
{
    const std::optional<int> perRow = galleryRowCount(eNrRow->text());
    if (!perRow) {
        ShowError(this, QStringLiteral("\"%1\" is not a number of images in a row: enter a whole "
                                       "number from 1 to 255.")
                            .arg(eNrRow->text()));
        eNrRow->setFocus();
        eNrRow->selectAll();
        return false;
    }
    Values.images.clear();
    for (int row = 0; row < lbImages->count(); ++row)
        Values.images.append(lbImages->item(row)->text());
    Values.title = eTitle->text();
    Values.perRow = *perRow;
    Values.useBorder = cbUseBorder->isChecked();
    Values.border = eBorder->text();
    Values.imageUrl = eURLImg->text();
    Values.linkUrl = eURLLink->text();
    return true;
}
