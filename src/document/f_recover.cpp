#include "document/f_recover.h"

#include "controls/dialog_rows.h"
#include "controls/std_dialog.h"
#include "document/file_names.h"

#include <QDialogButtonBox>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

QString written(const QDateTime &when)
{
    return QLocale::system().toString(when.toLocalTime(), QLocale::ShortFormat);
}

// The row's three columns: the document, when its copy was written, the state of its file.
QStringList rowTexts(const LeftCopy &left)
{
    const RecoveryCopy &copy = left.read.copy;
    if (!left.read.hasText) {
        return {QStringLiteral("Damaged copy %1").arg(left.path), written(left.fileTime),
                left.read.damage};
    }
    QString disk = QStringLiteral("no file yet");
    if (!copy.fileName.isEmpty()) {
        const FileStamp now = fileStamp(copy.fileName);
        disk = now == copy.disk ? QStringLiteral("file unchanged")
               : now.size < 0   ? QStringLiteral("file no longer there")
                                : QStringLiteral("file changed since");
    }
    if (!left.read.damage.isEmpty())
        disk = QStringLiteral("damaged: %1; %2").arg(left.read.damage, disk);
    return {copy.fileName.isEmpty() ? NoName : copy.fileName, written(copy.written), disk};
}

QPushButton *addButton(QDialogButtonBox *box, const char *name, const char *caption)
{
    auto *button = newButton<QPushButton>(box, name, QString::fromUtf8(caption));
    button->setAutoDefault(false);
    box->addButton(button, QDialogButtonBox::ActionRole);
    return button;
}

} // namespace

TRecover::TRecover(QList<LeftCopy> copies, Recover recover, QWidget *parent)
    : QDialog(parent), m_copies(std::move(copies)), m_recover(std::move(recover))
{
    setUpFixedDialog(*this, QStringLiteral("Recover"), QStringLiteral("Unsaved documents"));
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Pagewick ended before these documents were "
                                                "saved. Their last copies were kept."),
                                 this));
    lvCopies = new QTreeWidget(this);
    lvCopies->setObjectName(QStringLiteral("lvCopies"));
    lvCopies->setRootIsDecorated(false);
    lvCopies->setSelectionMode(QAbstractItemView::ExtendedSelection);
    lvCopies->setHeaderLabels(
        {QStringLiteral("Document"), QStringLiteral("Copy written"), QStringLiteral("State")});
    for (const LeftCopy &left : std::as_const(m_copies))
        new QTreeWidgetItem(lvCopies, rowTexts(left));
    lvCopies->header()->resizeSections(QHeaderView::ResizeToContents);
    lvCopies->selectAll();
    lvCopies->setMinimumWidth(600);
    layout->addWidget(lvCopies);

    auto *buttons = new QDialogButtonBox(this);
    bbRecover = addButton(buttons, "bbRecover", "Recover");
    bbDiscard = addButton(buttons, "bbDiscard", "Discard");
    bbLater = addButton(buttons, "bbLater", "Later");
    bbRecover->setDefault(true);
    layout->addWidget(buttons);
    connect(bbRecover, &QPushButton::clicked, this, &TRecover::bbRecoverClick);
    connect(bbDiscard, &QPushButton::clicked, this, &TRecover::bbDiscardClick);
    connect(bbLater, &QPushButton::clicked, this, &QDialog::reject);
}

void TRecover::forSelected(const std::function<bool(const LeftCopy &)> &act)
{
    for (qsizetype row = m_copies.size() - 1; row >= 0; --row) {
        QTreeWidgetItem *item = lvCopies->topLevelItem(int(row));
        if (item->isSelected() && act(m_copies[row])) {
            delete item;
            m_copies.removeAt(row);
        }
    }
    if (m_copies.isEmpty())
        accept();
}

void TRecover::bbRecoverClick()
{
    // A copy whose header cannot be read has no text to open; it stays until discarded.
    forSelected([this](const LeftCopy &left) { return left.read.hasText && m_recover(left); });
}

void TRecover::bbDiscardClick()
{
    forSelected([](const LeftCopy &left) { return QFile::remove(left.path); });
}

void offerRecovery(RecoveryStore &store, const TRecover::Recover &recover, QWidget *parent)
{
    const QList<LeftCopy> copies = store.claimLeftCopies();
    if (!copies.isEmpty()) {
        TRecover window(copies, recover, parent);
        window.exec();
    }
    store.releaseClaims();
}
