#include "frames/f_frset.h"

#include "controls/dialog_rows.h"
#include "controls/updown.h"
#include "frames/frames_markup.h"

#include <QBoxLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QRadioButton>

namespace {

// A group of five read-only sizes stepping 0 to 90 by 10; its up-downs are numbered from
// firstUpDown, its boxes are editPrefix + 1 .. 5.
QGroupBox *sizeGroup(QWidget *owner, const char *name, int firstUpDown, const QString &editPrefix,
                     std::array<TUpDown *, 5> &sizes)
{
    auto *group = new QGroupBox(QStringLiteral("(%)"), owner);
    nameControl(group, name);
    DialogRows rows(group, new QGridLayout(group));
    for (int i = 0; i < int(sizes.size()); ++i) {
        sizes[i] =
            new TUpDown(QStringLiteral("UpDown%1").arg(firstUpDown + i),
                        editPrefix + QString::number(i + 1), {0, 90, 0, 10, false, true}, group);
        // Room for "90" beside the arrows.
        sizes[i]->setFixedWidth(sizes[i]->fontMetrics().horizontalAdvance(QStringLiteral("0000")) +
                                sizes[i]->sizeHint().width());
        rows.labelled(QStringLiteral("%1.").arg(i + 1), sizes[i]);
    }
    // The hidden group keeps its place, so switching does not move the other one.
    QSizePolicy policy = group->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    group->setSizePolicy(policy);
    return group;
}

QStringList textsOf(const std::array<TUpDown *, 5> &sizes)
{
    QStringList texts;
    for (const TUpDown *size : sizes)
        texts.append(size->text());
    return texts;
}

} // namespace

TFrameSet::TFrameSet(QWidget *parent)
    : TStdDialog(QStringLiteral("FrameSet"), QStringLiteral("FrameSet"), parent)
{
    rbRows = newButton<QRadioButton>(this, "rbRows", QStringLiteral("&Rows"));
    rbRows->setChecked(true);
    rbCols = newButton<QRadioButton>(this, "rbCols", QStringLiteral("&Cols"));
    gbRows = sizeGroup(this, "gbRows", 1, QStringLiteral("eRow"), RowSizes);
    gbCols = sizeGroup(this, "gbCols", 6, QStringLiteral("eCol"), ColSizes);
    auto *grid = new QGridLayout;
    grid->addWidget(rbRows, 0, 0);
    grid->addWidget(rbCols, 0, 1);
    grid->addWidget(gbRows, 1, 0);
    grid->addWidget(gbCols, 1, 1);
    body()->addLayout(grid);
    connect(rbRows, &QRadioButton::toggled, this, &TFrameSet::ChangeClick);
    ChangeClick();
}

void TFrameSet::ChangeClick()
{
    gbRows->setVisible(rbRows->isChecked());
    gbCols->setVisible(!rbRows->isChecked());
}

bool TFrameSet::bbOKClick()
{
    const bool rows = rbRows->isChecked();
    FrameSet = frameSetLine({rows, textsOf(rows ? RowSizes : ColSizes)});
    return true;
}
