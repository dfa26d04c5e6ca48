#include "tags/f_usrtag.h"

#include "controls/dialog_rows.h"
#include "controls/message_box.h"
#include "core/command_error.h"
#include "tags/f_edtag.h"
#include "tags/user_tags.h"

#include <QBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>

TUserTags::TUserTags(QWidget *parent)
    : TStdDialog(QStringLiteral("UserTags"), QStringLiteral("User-Tags"), parent)
{
    sgUserTags = new QTableWidget(UserTagCount, 2, this);
    sgUserTags->setObjectName(QStringLiteral("sgUserTags"));
    sgUserTags->verticalHeader()->hide();
    sgUserTags->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    sgUserTags->horizontalHeader()->setHighlightSections(false);
    sgUserTags->setColumnWidth(0, 64);
    sgUserTags->setColumnWidth(1, 150);
    sgUserTags->setSelectionBehavior(QAbstractItemView::SelectRows);
    sgUserTags->setSelectionMode(QAbstractItemView::SingleSelection);
    sgUserTags->setEditTriggers(QAbstractItemView::NoEditTriggers);
    sgUserTags->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    sgUserTags->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    for (int row = 0; row < UserTagCount; ++row) {
        for (int col = 0; col < 2; ++col)
            sgUserTags->setItem(row, col, new QTableWidgetItem);
    }
    const int frame = 2 * sgUserTags->frameWidth();
    sgUserTags->setFixedSize(64 + 150 + frame, sgUserTags->horizontalHeader()->height() +
                                                   UserTagCount * sgUserTags->rowHeight(0) + frame);
    sgUserTags->setCurrentCell(0, 0);
    connect(sgUserTags, &QTableWidget::cellDoubleClicked, this, &TUserTags::sbEditClick);

    sbEdit = newButton<QPushButton>(this, "sbEdit", QStringLiteral("&Edit"));
    connect(sbEdit, &QPushButton::clicked, this, &TUserTags::sbEditClick);
    sbDelete = newButton<QPushButton>(this, "sbDelete", QStringLiteral("&Delete"));
    connect(sbDelete, &QPushButton::clicked, this, &TUserTags::sbDeleteClick);

    auto *side = new QVBoxLayout;
    side->addWidget(sbEdit);
    side->addWidget(sbDelete);
    side->addStretch(1);
    auto *row = new QHBoxLayout;
    row->addWidget(sgUserTags);
    row->addLayout(side);
    body()->addLayout(row);
}

int TUserTags::ShowModal()
{
    FormShow();
    return TStdDialog::ShowModal();
}

void TUserTags::FormShow()
{
    sgUserTags->setHorizontalHeaderLabels({QStringLiteral("Title"), QStringLiteral("Name")});
    m_edit = RegistryEdit();
    LoadUserTags(&m_edit);
    for (int n = 1; n <= UserTagCount; ++n)
        showRow(n);
}

void TUserTags::showRow(int n)
{
    const TUserTag &tag = userTags()[n - 1];
    sgUserTags->item(n - 1, 0)->setText(tag.Title);
    sgUserTags->item(n - 1, 1)->setText(tag.Name);
}

void TUserTags::sbEditClick()
{
    const int n = sgUserTags->currentRow() + 1;
    if (n < 1)
        return;
    TEdTag editor(this);
    editor.Tag = userTags()[n - 1];
    if (editor.ShowModal() != mrOk)
        return;
    TUserTag &tag = userTags()[n - 1];
    tag = editor.Tag;
    tag.Title = cutTitle(tag.Title);
    showRow(n);
}

void TUserTags::sbDeleteClick()
{
    const int n = sgUserTags->currentRow() + 1;
    if (n < 1)
        return;
    if (MessageDlg(this, QStringLiteral("Really delete this tag ??"), MessageType::Confirmation,
                   mbYes | mbNo) != mrYes)
        return;
    userTags()[n - 1] = TUserTag();
    showRow(n);
}

void TUserTags::done(int result)
{
    try {
        SaveUserTags(&m_edit);
    } catch (const CommandError &error) {
        // Reported, and no "takes effect" notice follows a save that did not happen.
        ShowError(this, error.message());
        result = QDialog::Rejected;
    }
    TStdDialog::done(result);
}
