#include "tags/f_edtag.h"

#include "controls/dialog_rows.h"

#include <QBoxLayout>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QValidator>

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
    DialogRows rows(this);
    for (const TagEdit &face : TagEdits) {
        QLineEdit *edit = this->*face.edit = newLineEdit(this, face.editName);
        // The title row leaves room for its note.
        const int span = face.edit == &TEdTag::eTitle ? 1 : -1;
        this->*face.label =
            rows.labelled(QString::fromUtf8(face.caption), edit, face.labelName, span);
    }
    eTitle->setMaxLength(2 * TitleLength);
    eTitle->setValidator(new TitleValidator(eTitle));
    eTitle->setFixedWidth(eTitle->fontMetrics().horizontalAdvance(QStringLiteral("WWWWW")) + 12);
    Label5 = new QLabel(QStringLiteral("(max. 4 chars)"), this);
    nameControl(Label5, "Label5");
    rows.layout()->addWidget(Label5, 0, 2);
    rows.layout()->setColumnMinimumWidth(2, 220);
    body()->addLayout(rows.layout());
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
