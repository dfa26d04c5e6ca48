#include "dialogs/f_qf.h"

#include "controls/choose_dialogs.h"
#include "controls/dialog_rows.h"
#include "controls/updown.h"
#include "dialogs/quickfont_markup.h"
#include "settings/color_label.h"

#include <QBoxLayout>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

namespace {

const int SamplePoints = 14;

QFont sampleFont(const QString &face)
{
    return QFont(face, SamplePoints);
}

ColorLabel *newSample(QWidget *parent, const char *name, const QString &caption)
{
    auto *sample = new ColorLabel(QLatin1String(name), caption, parent);
    sample->setSampleLook();
    sample->setMinimumSize(180, 36);
    sample->setFont(sampleFont(QStringLiteral("Courier New")));
    sample->setBackColor(0xFFFFFF);
    return sample;
}

QLabel *newHint(QWidget *parent, const char *name)
{
    auto *hint = new QLabel(QStringLiteral("(double-click to change)"), parent);
    hint->setObjectName(QLatin1String(name));
    hint->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    QFont small = hint->font();
    small.setPointSizeF(small.pointSizeF() * 0.85);
    hint->setFont(small);
    return hint;
}

} // namespace

TQuickFont::TQuickFont(QWidget *parent)
    : TStdDialog(QStringLiteral("QuickFont"), QStringLiteral("QuickFont"), parent)
{
    DialogRows rows(this);
    QGridLayout *grid = rows.layout();
    lbFontName = newSample(this, "lbFontName", QString());
    UpDown1 = new TUpDown(QStringLiteral("UpDown1"), QStringLiteral("eFontSize"), {1, 6, 2}, this);
    eFontSize = UpDown1->edit();
    // Room for a relative size such as "+1" beside the arrows.
    UpDown1->setMinimumWidth(UpDown1->fontMetrics().horizontalAdvance(QStringLiteral("+888")) + 32);
    Label3 = rows.labelled(QStringLiteral("&Font  and size :"), lbFontName, "Label3", 1);
    Label3->setBuddy(UpDown1);
    grid->addWidget(UpDown1, 0, 2);
    Label2 = newHint(this, "Label2");
    grid->addWidget(Label2, 1, 1);
    lbFontColor = newSample(this, "lbFontColor", QStringLiteral("Fontcolor"));
    Label1 = rows.labelled(QStringLiteral("Font color :"), lbFontColor, "Label1", 1);
    Label4 = newHint(this, "Label4");
    grid->addWidget(Label4, 3, 1);
    body()->addLayout(grid);
    connect(lbFontName, &ColorLabel::doubleClicked, this, &TQuickFont::lbFontNameDblClick);
    connect(lbFontColor, &ColorLabel::doubleClicked, this, &TQuickFont::lbFontColorDblClick);
}

void TQuickFont::showEvent(QShowEvent *event)
{
    FormActivate();
    TStdDialog::showEvent(event);
}

void TQuickFont::FormActivate()
{
    const QString face = QStringLiteral("Courier New");
    lbFontName->setFont(sampleFont(face));
    lbFontName->setText(face);
    lbFontColor->setFontColor(0);
    eFontSize->setText(QStringLiteral("2"));
}

void TQuickFont::lbFontNameDblClick()
{
    QFont preset = lbFontName->font();
    preset.setFamily(QStringLiteral("Courier New"));
    std::optional<QFont> chosen = chooseFont(this, preset);
    if (!chosen)
        return;
    lbFontName->setText(chosen->family());
    chosen->setPointSize(SamplePoints); // the sample keeps its size whatever was chosen
    lbFontName->setFont(*chosen);
}

void TQuickFont::lbFontColorDblClick()
{
    if (const std::optional<quint32> chosen = chooseColor(this, lbFontColor->fontColor()))
        lbFontColor->setFontColor(*chosen);
}

QString TQuickFont::FontTag() const
{
    return quickFontTag({eFontSize->text(), lbFontColor->fontColor(), lbFontName->font().family()});
}
