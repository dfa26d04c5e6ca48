#include "tags/f_edtag.h"

#include <QBoxLayout>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QValidator>
#include <limits>

namespace {

// One row per field of the tag, in the order shown.
struct TagEdit {
    const char *labelName;
    const char *caption;
    QLabel *TEdTag::*label;
    const char *editName;
    QLineEdit *TEdTag::*edit;
    QString TUserTag::*field;
};

const TagEdit TagEdits[] = {
    {"Label1", "&Title :", &TEdTag::Label1, "eTitle", &TEdTag::eTitle, &TUserTag::Title},
    {"Label2", "&Name :", &TEdTag::Label2, "eName", &TEdTag::eName, &TUserTag::Name},
    {"Label3", "&Start :", &TEdTag::Label3, "eStart", &TEdTag::eStart, &TUserTag::StartTag},
    {"Label4", "&End :", &TEdTag::Label4, "eEnd", &TEdTag::eEnd, &TUserTag::EndTag},
    {"Label6", "&Hint :", &TEdTag::Label6, "eHint", &TEdTag::eHint, &TUserTag::Hint},
};

// At most TitleLength characters, each one or two UTF-16 units.
class TitleValidator : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString &input, int &) const override
    {
        return QStringView(input).toUcs4().size() <= TitleLength ? Acceptable : Invalid;
    }
};

} // namespace

TEdTag::TEdTag(QWidget *parent)
    : TStdDialog(QStringLiteral("EdTag"), QStringLiteral("Edit User-Tag"), parent)
{
    auto *grid = new QGridLayout;
    int row = 0;
    for (const TagEdit &face : TagEdits) {
        QLineEdit *edit = this->*face.edit = new QLineEdit(this);
        edit->setObjectName(QLatin1String(face.editName));
        // Any stored text fits: the default limit of 32767 would cut longer ones.
        edit->setMaxLength(std::numeric_limits<int>::max());
        QLabel *label = this->*face.label = new QLabel(QString::fromLatin1(face.caption), this);
        label->setObjectName(QLatin1String(face.labelName));
        label->setBuddy(edit);
        grid->addWidget(label, row, 0);
        // The title row leaves room for its note.
        grid->addWidget(edit, row, 1, 1, row == 0 ? 1 : 2);
        ++row;
    }
    eTitle->setMaxLength(2 * TitleLength);
    eTitle->setValidator(new TitleValidator(eTitle));
    eTitle->setFixedWidth(eTitle->fontMetrics().horizontalAdvance(QStringLiteral("WWWWW")) + 12);
    Label5 = new QLabel(QStringLiteral("(max. 4 chars)"), this);
    Label5->setObjectName(QStringLiteral("Label5"));
    grid->addWidget(Label5, 0, 2);
    grid->setColumnMinimumWidth(2, 220);
    body()->addLayout(grid);
}

int TEdTag::ShowModal()
{
    FormShow();
    return TStdDialog::ShowModal();
}

void TEdTag::FormShow()
{
    for (const TagEdit &face : TagEdits)
        (this->*face.edit)->setText(Tag.*face.field);
}

bool TEdTag::bbOKClick()
{
    for (const TagEdit &face : TagEdits)
        Tag.*face.field = (this->*face.edit)->text();
    return true;
}
