#include "tables/f_tabed.h"

#include "controls/dialog_rows.h"
#include "controls/run_guarded.h"
#include "controls/string_grid.h"
#include "controls/updown.h"

#include <QBoxLayout>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

void heading(DialogRows &rows, const QString &caption)
{
    rows.wide(new QLabel(caption, rows.owner()));
}

// A labelled up-down at a given place of the settings grid.
TUpDown *upDownAt(DialogRows &rows, int row, int column, const QString &caption,
                  const char *upDownName, const char *editName, TUpDown::Range range)
{
    auto *upDown =
        new TUpDown(QLatin1String(upDownName), QLatin1String(editName), range, rows.owner());
    auto *label = new QLabel(caption, rows.owner());
    label->setBuddy(upDown->edit());
    rows.layout()->addWidget(label, row, column);
    rows.layout()->addWidget(upDown, row, column + 1);
    return upDown;
}

} // namespace

TTableEdit::TTableEdit(QWidget *parent)
    : TStdDialog(QStringLiteral("TableEdit"), QStringLiteral("Quick Table"), parent)
{
    setWindowFlag(Qt::WindowCloseButtonHint, false);
    DialogRows rows(this);
    DialogRows settings = rows.group(nullptr, {});
    heading(settings, QStringLiteral("Table settings :"));
    udCols = upDownAt(settings, 1, 0, QStringLiteral("&Cols :"), "udCols", "eNrCols", {1, 10, 1});
    udPadding = upDownAt(settings, 1, 2, QStringLiteral("Cell &padding :"), "udPadding",
                         "eCellPadding", {0, 100, 0});
    udWidth = upDownAt(settings, 1, 4, QStringLiteral("&Border width :"), "udWidth", "eBorderWidth",
                       {1, 100, 1});
    udRows = upDownAt(settings, 2, 0, QStringLiteral("&Rows :"), "udRows", "eNrRows", {1, 10, 1});
    udSpacing = upDownAt(settings, 2, 2, QStringLiteral("Cell &spacing :"), "udSpacing",
                         "eCellSpacing", {0, 100, 0});
    eNrCols = udCols->edit();
    eNrRows = udRows->edit();
    eCellPadding = udPadding->edit();
    eCellSpacing = udSpacing->edit();
    eBorderWidth = udWidth->edit();
    eCaption = settings.edit(QStringLiteral("Capt&ion :"), "eCaption");
    m_color = addColorRow(settings, QStringLiteral("C&ell  color :"), "eCellCol", "eColor",
                          "sbChooseCol");
    eCellCol = m_color.edit;
    eColor = m_color.swatch;
    sbChooseCol = m_color.button;

    DialogRows data = rows.group(nullptr, {});
    heading(data, QStringLiteral("Table data :"));
    sgTable = new TStringGrid("sgTable", data.owner());
    sgTable->setMinimumSize(440, 160);
    data.wide(sgTable);
    body()->addLayout(rows.layout());

    connect(eNrCols, &QLineEdit::textChanged, this, [this] { TableChange(eNrCols); });
    connect(eNrRows, &QLineEdit::textChanged, this, [this] { TableChange(eNrRows); });
    connect(sbChooseCol, &QPushButton::clicked, this, &TTableEdit::sbChooseColClick);
}

void TTableEdit::TableChange(QLineEdit *Sender)
{
    runGuarded(this, [&] {
        if (Sender == eNrCols)
            sgTable->setCellCount(gridCount(eNrCols->text(), QStringLiteral("columns")),
                                  sgTable->rowCount());
        else if (Sender == eNrRows)
            sgTable->setCellCount(sgTable->columnCount(),
                                  gridCount(eNrRows->text(), QStringLiteral("rows")));
    });
}

void TTableEdit::sbChooseColClick()
{
    if (pickColor(m_color, this))
        m_colorChosen = true;
}

TTableData TTableEdit::GetTableData() const
{
    return {eBorderWidth->text(), eCellPadding->text(), eCellSpacing->text(), eCaption->text(),
            m_colorChosen,        eCellCol->text(),     sgTable->Rows()};
}
