#include "auxiliary/f_about.h"

#include "controls/dialog_rows.h"
#include "controls/std_dialog.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const quint32 Release = 0x4C9843;

QLabel *newLine(QWidget *parent, const char *name, const QString &text)
{
    auto *label = new QLabel(text, parent);
    nameControl(label, name);
    label->setAlignment(Qt::AlignCenter);
    return label;
}

} // namespace

TAbout::TAbout(QWidget *parent) : QDialog(parent)
{
    setUpFixedDialog(*this, QStringLiteral("About"), QStringLiteral("About Pagewick"));
    // A title but no buttons in it: the box closes by its OK button.
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                   Qt::WindowTitleHint);
    QFont face(QStringLiteral("Times New Roman"));
    face.setStyleHint(QFont::Serif);
    face.setBold(true);
    setFont(face);

    Panel1 = new QFrame(this);
    nameControl(Panel1, "Panel1");
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    lbTitle = newLine(Panel1, "lbTitle", QStringLiteral("Pagewick V1.5"));
    QFont large = lbTitle->font();
    large.setPointSizeF(large.pointSizeF() * 2.2);
    lbTitle->setFont(large);
    QPalette blue = lbTitle->palette();
    blue.setColor(QPalette::WindowText, QColor(0, 0, 0xff));
    lbTitle->setPalette(blue);
    lbAuthor = newLine(Panel1, "lbAuthor", QStringLiteral("Written by the Pagewick team."));
    lbRelease = newLine(Panel1, "lbRelease", {});
    auto *inside = new QVBoxLayout(Panel1);
    inside->setContentsMargins(24, 12, 24, 12);
    for (QLabel *label : {lbTitle, lbAuthor, lbRelease})
        inside->addWidget(label);

    lbMaker = newLine(this, "lbMaker", QStringLiteral("Pagewick is made by Corvane."));
    lbSite = newLine(this, "lbSite", QStringLiteral("http://www.corvane.com/"));
    bbOK = newButton<QPushButton>(this, "bbOK", QStringLiteral("OK"));
    bbOK->setDefault(true);
    connect(bbOK, &QPushButton::clicked, this, &QDialog::accept);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(Panel1);
    layout->addWidget(lbMaker);
    layout->addWidget(lbSite);
    layout->addWidget(bbOK, 0, Qt::AlignHCenter);
}

void TAbout::FormShow()
{
    lbRelease->setText(QStringLiteral("Release : %1")
                           .arg(QString::number(Release, 16).toUpper(), 6, QLatin1Char('0')));
}

void TAbout::showEvent(QShowEvent *event)
{
    FormShow();
    fixAndCentre(*this);
    QDialog::showEvent(event);
}
