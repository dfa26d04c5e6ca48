#include "wizard/f_hpwiz.h"

#include "controls/choose_dialogs.h"
#include "controls/dialog_rows.h"
#include "controls/std_dialog.h"
#include "core/color_value.h"
#include "core/command_error.h"
#include "dialogs/url_button.h"
#include "settings/settings_schema.h"
#include "wizard/page_sketch.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextDocumentLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QTabWidget>
#include <QTextBlock>
#include <QTextLayout>

namespace {

using Fill = void (THPWiz::*)(DialogRows &, TPageSketch *);

struct PageFace {
    const char *name;
    const char *caption;
    SketchItem item;
    const char *heading;
    const char *explanation; // may be null
    const char *moreExplanation;
    bool warning; // the explanation is a caution
    Fill fill;    // null: the page only explains
};

QLabel *textLabel(QWidget *parent, const QString &text, const QColor &color = {})
{
    auto *label = new QLabel(parent);
    // Plain text keeps the double blanks.
    label->setTextFormat(Qt::PlainText);
    label->setText(text);
    if (color.isValid()) {
        QPalette palette = label->palette();
        palette.setColor(QPalette::WindowText, color);
        label->setPalette(palette);
    }
    return label;
}

void setBoldFont(QWidget *widget, int pixels, bool underline = false)
{
    QFont font = widget->font();
    font.setPixelSize(pixels);
    font.setBold(true);
    font.setUnderline(underline);
    widget->setFont(font);
}

QFrame *sampleRule(QWidget *sketch, int which)
{
    auto *line = new QFrame(sketch);
    line->setObjectName(QStringLiteral("lnRule%1").arg(which + 1));
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Plain);
    line->setGeometry(TPageSketch::ruleArea(which));
    return line;
}

// A caption above its box, for the long captions of the narrow page.
void above(DialogRows &rows, const QString &caption, QWidget *box)
{
    auto *label = new QLabel(caption, rows.owner());
    label->setBuddy(box);
    rows.wide(label);
    rows.wide(box);
}

void enable(std::initializer_list<QWidget *> controls, bool enabled)
{
    for (QWidget *control : controls)
        control->setEnabled(enabled);
}

// The lines the box shows, a wrapped line giving one line per row on screen.
QStringList displayedLines(const QPlainTextEdit *box)
{
    auto *layout = qobject_cast<QPlainTextDocumentLayout *>(box->document()->documentLayout());
    QStringList lines;
    for (QTextBlock block = box->document()->begin(); block.isValid(); block = block.next()) {
        layout->ensureBlockLayout(block);
        const QTextLayout *rows = block.layout();
        for (int row = 0; row < rows->lineCount(); ++row) {
            const QTextLine line = rows->lineAt(row);
            // A soft line break ends its row; it is no text of the page.
            lines << block.text()
                         .mid(line.textStart(), line.textLength())
                         .remove(QChar::LineSeparator);
        }
    }
    return lines;
}

struct PageParts {
    QWidget *page;
    QBoxLayout *navigation; // the Back / Next / Finish row
};

// A page: its sketch on the left, its heading, explanations and controls on the right.
PageParts newPage(THPWiz &wizard, const PageFace &face)
{
    auto *page = new QWidget(wizard.pcHPWizard);
    page->setObjectName(QLatin1String(face.name));
    auto *sketch = new TPageSketch(face.item, page);
    auto *column = new QVBoxLayout;
    auto *sides = new QHBoxLayout(page);
    sides->addWidget(sketch, 0, Qt::AlignTop);
    sides->addLayout(column, 1);

    QLabel *heading = textLabel(page, QString::fromUtf8(face.heading), Qt::darkBlue);
    setBoldFont(heading, 24, true);
    column->addWidget(heading);
    for (const char *text : {face.explanation, face.moreExplanation}) {
        if (!text)
            continue;
        QLabel *explanation =
            textLabel(page, QString::fromUtf8(text), face.warning ? QColor(128, 0, 0) : QColor());
        explanation->setWordWrap(true);
        column->addWidget(explanation);
    }
    if (face.fill) {
        DialogRows rows(page);
        (wizard.*face.fill)(rows, sketch);
        column->addLayout(rows.layout());
    }
    column->addStretch(1);
    auto *navigation = new QHBoxLayout;
    navigation->addStretch(1);
    column->addLayout(navigation);
    return {page, navigation};
}

} // namespace

THPWiz::THPWiz(QWidget *parent) : QDialog(parent)
{
    setUpFixedDialog(*this, QStringLiteral("HPWiz"), QStringLiteral("Homepage Wizard"));
    pcHPWizard = new QTabWidget(this);
    pcHPWizard->setObjectName(QStringLiteral("pcHPWizard"));
    auto *frame = new QVBoxLayout(this);
    frame->setContentsMargins(4, 4, 4, 4);
    frame->addWidget(pcHPWizard);

    static const PageFace Pages[] = {
        {"tsTitle", "Title", SketchItem::Title, "Homepage title",
         "Use the title as a quick description of  your homepage. It is also often used from "
         "Search-engines to identify your page.",
         nullptr, false, &THPWiz::fillTitle},
        {"tsBackground", "Background", SketchItem::Background, "Background", nullptr, nullptr,
         false, &THPWiz::fillBackground},
        {"tsPicture", "Picture", SketchItem::Picture, "Picture",
         "Don't forget : Large pictures take more time  to download !!", nullptr, true,
         &THPWiz::fillPicture},
        {"tsParagraph", "Paragraph", SketchItem::Paragraph, "Paragraph",
         "Would you like to add some text to your page ?", nullptr, false, &THPWiz::fillParagraph},
        {"tsLink", "Link", SketchItem::Link, "Link",
         "Would you like to add a link to one of your favourite web sites ?", nullptr, false,
         &THPWiz::fillLink},
        {"tsContact", "Author Information", SketchItem::Author, "Author info",
         "It is always good to include your name and your E-Mail address, so that visitors can "
         "contact you for further information about your page.",
         nullptr, false, &THPWiz::fillAuthor},
        {"tsFinished", "Finished", SketchItem::Finished, "Finished",
         "When you press the \"finish-button\" Pagewick will create your homepage in a second.",
         "Add more text, images and links just as you  want.", false, nullptr},
    };

    const int last = int(std::size(Pages)) - 1;
    for (int index = 0; index <= last; ++index) {
        const auto [page, navigation] = newPage(*this, Pages[index]);
        if (index > 0) {
            auto *back = newButton<QPushButton>(
                page, QStringLiteral("bbBack%1").arg(index).toLatin1().constData(),
                QStringLiteral("&Back"));
            back->setIcon(style()->standardIcon(QStyle::SP_ArrowLeft));
            connect(back, &QPushButton::clicked, this,
                    [this, index] { pcHPWizard->setCurrentIndex(index - 1); });
            navigation->addWidget(back);
        }
        if (index < last) {
            auto *next = newButton<QPushButton>(
                page, QStringLiteral("bbNext%1").arg(index + 1).toLatin1().constData(),
                QStringLiteral("&Next"));
            next->setIcon(style()->standardIcon(QStyle::SP_ArrowRight));
            next->setLayoutDirection(Qt::RightToLeft); // the arrow on the right
            connect(next, &QPushButton::clicked, this,
                    [this, index] { pcHPWizard->setCurrentIndex(index + 1); });
            navigation->addWidget(next);
        } else {
            bbFinish = newButton<QPushButton>(page, "bbFinish", QStringLiteral("Finish"));
            connect(bbFinish, &QPushButton::clicked, this, &QDialog::accept);
            navigation->addWidget(bbFinish);
        }
        pcHPWizard->addTab(page, QString::fromUtf8(Pages[index].caption));
    }

    rbBGClick();
    cbUsePicClick();
    cbUseCaptionClick();
    cbUseParagraphClick();
    cbUseLinkClick();
    cbUseAuthorClick();
    eTitle->setFocus();
    // An unreadable store stops the command here, before the wizard's event loop runs.
    FormActivate();
}

void THPWiz::fillTitle(DialogRows &rows, TPageSketch *sketch)
{
    eTitle = newLineEdit(rows.owner(), "eTitle");
    above(rows, QStringLiteral("&Homepage title and also main heading :"), eTitle);
    eSecHead = newLineEdit(rows.owner(), "eSecHead");
    above(rows, QStringLiteral("&Second heading (not necessary) :"), eSecHead);
    cbCenterHead = rows.checkBox("cbCenterHead", QStringLiteral("&Center headings"), true);
    cbRules =
        rows.checkBox("cbRules", QStringLiteral("&Insert horizontal rule after heading"), true);

    lbSampleTitle = textLabel(sketch, QStringLiteral("Homepage title"), Qt::black);
    nameControl(lbSampleTitle, "lbSampleTitle");
    setBoldFont(lbSampleTitle, 32);
    lbSampleTitle->setGeometry(TPageSketch::titleArea());
    lbSampleSecHead = textLabel(sketch, QStringLiteral("second heading"), Qt::black);
    nameControl(lbSampleSecHead, "lbSampleSecHead");
    setBoldFont(lbSampleSecHead, 21);
    lbSampleSecHead->setGeometry(TPageSketch::secondHeadingArea());
    lnRule1 = sampleRule(sketch, 0);
    lnRule2 = sampleRule(sketch, 1);
    cbCenterHeadClick();
    connect(cbCenterHead, &QCheckBox::toggled, this, &THPWiz::cbCenterHeadClick);
    connect(cbRules, &QCheckBox::toggled, this, &THPWiz::cbRulesClick);
}

void THPWiz::fillBackground(DialogRows &rows, TPageSketch *)
{
    QWidget *owner = rows.owner();
    rbNoBG = rows.radioButton("rbNoBG", QStringLiteral("&no background"), true);
    rbColorBG = rows.radioButton("rbColorBG", QStringLiteral("&Color :"));
    auto *parts = new QHBoxLayout;
    parts->addSpacing(20);
    const auto part = [&](const char *name, const char *labelName, const QString &caption,
                          QLabel *&label) {
        QLineEdit *box = newLineEdit(owner, name, QStringLiteral("FF"));
        box->setFixedWidth(box->fontMetrics().horizontalAdvance(QStringLiteral("WWW")) + 8);
        label = new QLabel(caption, owner);
        nameControl(label, labelName);
        label->setBuddy(box);
        parts->addWidget(label);
        parts->addWidget(box);
        return box;
    };
    eColR = part("eColR", "lbColR", QStringLiteral("&R :"), lbColR);
    eColG = part("eColG", "lbColG", QStringLiteral("&G :"), lbColG);
    eColB = part("eColB", "lbColB", QStringLiteral("&B :"), lbColB);
    sbChooseCol = newEllipsisButton(owner, "sbChooseCol", QStringLiteral("Choose a color..."));
    parts->addWidget(sbChooseCol);
    parts->addStretch(1);
    rows.layout()->addLayout(parts, rows.layout()->rowCount(), 0, 1, -1);
    rbImage = rows.radioButton("rbImage", QStringLiteral("&Image :"));
    const DialogRows::ButtonRow image =
        addUrlRow(rows, QString(), "eBGImage", "sbLocateBGImg", QStringLiteral("Locate the image"));
    eBGImage = image.edit;
    sbLocateBGImg = image.button;
    for (QRadioButton *button : {rbNoBG, rbColorBG, rbImage})
        connect(button, &QRadioButton::toggled, this, &THPWiz::rbBGClick);
    connect(sbChooseCol, &QPushButton::clicked, this, &THPWiz::sbChooseColClick);
}

void THPWiz::fillPicture(DialogRows &rows, TPageSketch *)
{
    cbUsePic = rows.checkBox("cbUsePic", QStringLiteral("&I wan't to use a picture :"));
    const DialogRows::ButtonRow image =
        addUrlRow(rows, QStringLiteral("I&mage :"), "eImage", "sbLocateImg",
                  QStringLiteral("Locate the image ..."), "lbImage");
    lbImage = image.label;
    eImage = image.edit;
    sbLocateImg = image.button;
    cbUseCaption =
        rows.checkBox("cbUseCaption", QStringLiteral("My picture should have a &caption :"));
    eImgCaption = newLineEdit(rows.owner(), "eImgCaption");
    lbImgCaption = rows.labelled(QStringLiteral("C&aption :"), eImgCaption, "lbImgCaption");
    cbCenterPic = rows.checkBox("cbCenterPic", QStringLiteral("C&enter picture"));
    connect(cbUsePic, &QCheckBox::toggled, this, &THPWiz::cbUsePicClick);
    connect(cbUseCaption, &QCheckBox::toggled, this, &THPWiz::cbUseCaptionClick);
}

void THPWiz::fillParagraph(DialogRows &rows, TPageSketch *)
{
    cbUseParagraph = rows.checkBox("cbUseParagraph", QStringLiteral("&Yes, include a paragraph :"));
    mParagraph = new QPlainTextEdit(rows.owner());
    nameControl(mParagraph, "mParagraph", QStringLiteral("Paragraph"));
    mParagraph->setTabChangesFocus(true);
    rows.wide(mParagraph);
    connect(cbUseParagraph, &QCheckBox::toggled, this, &THPWiz::cbUseParagraphClick);
}

void THPWiz::fillLink(DialogRows &rows, TPageSketch *)
{
    cbUseLink = rows.checkBox("cbUseLink", QStringLiteral("&Yes, that's a good idea !"));
    const DialogRows::ButtonRow link =
        addUrlRow(rows, QStringLiteral("&Link :"), "eURL", "sbLocateURL",
                  QStringLiteral("Start the URL-builder"), "lbURL");
    lbURL = link.label;
    eURL = link.edit;
    sbLocateURL = link.button;
    eDesc = newLineEdit(rows.owner(), "eDesc");
    lbDesc = rows.labelled(QStringLiteral("&Description :"), eDesc, "lbDesc", 1);
    connect(cbUseLink, &QCheckBox::toggled, this, &THPWiz::cbUseLinkClick);
}

void THPWiz::fillAuthor(DialogRows &rows, TPageSketch *)
{
    cbUseAuthor =
        rows.checkBox("cbUseAuthor", QStringLiteral("&Yes, I want to include this information."));
    eName = newLineEdit(rows.owner(), "eName");
    lbName = rows.labelled(QStringLiteral("&My name :"), eName, "lbName");
    eEMail = newLineEdit(rows.owner(), "eEMail");
    lbEMail = rows.labelled(QStringLiteral("My &E-Mail address :"), eEMail, "lbEMail");
    connect(cbUseAuthor, &QCheckBox::toggled, this, &THPWiz::cbUseAuthorClick);
}

bool THPWiz::event(QEvent *event)
{
    if (event->type() == QEvent::WindowActivate) {
        // No exception may cross the event loop: a store that fails once the wizard is open
        // leaves the boxes as they are.
        try {
            FormActivate();
        } catch (const CommandError &) {
        }
    }
    return QDialog::event(event);
}

void THPWiz::showEvent(QShowEvent *event)
{
    fixAndCentre(*this);
    QDialog::showEvent(event);
}

void THPWiz::FormActivate()
{
    const SettingsFields settings = readSettings();
    eName->setText(settings.Author);
    eEMail->setText(settings.EMail);
}

void THPWiz::cbCenterHeadClick()
{
    const Qt::Alignment alignment =
        (cbCenterHead->isChecked() ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignVCenter;
    lbSampleTitle->setAlignment(alignment);
    lbSampleSecHead->setAlignment(alignment);
}

void THPWiz::cbRulesClick()
{
    lnRule1->setVisible(cbRules->isChecked());
    lnRule2->setVisible(cbRules->isChecked());
}

void THPWiz::rbBGClick()
{
    enable({lbColR, lbColG, lbColB, eColR, eColG, eColB, sbChooseCol}, rbColorBG->isChecked());
    enable({eBGImage, sbLocateBGImg}, rbImage->isChecked());
}

void THPWiz::sbChooseColClick()
{
    const std::optional<quint32> chosen = chooseColor(this, m_lastColor);
    if (!chosen)
        return;
    m_lastColor = *chosen;
    const QString html = ColorToHTML(*chosen);
    eColR->setText(html.mid(1, 2));
    eColG->setText(html.mid(3, 2));
    eColB->setText(html.mid(5, 2));
}

void THPWiz::cbUsePicClick()
{
    enable({lbImage, eImage, sbLocateImg, cbUseCaption, cbCenterPic}, cbUsePic->isChecked());
    updateCaptionBox();
}

// The caption box follows both check boxes, so a caption that will be written can be edited.
void THPWiz::updateCaptionBox()
{
    enable({lbImgCaption, eImgCaption}, cbUsePic->isChecked() && cbUseCaption->isChecked());
}

void THPWiz::cbUseCaptionClick()
{
    updateCaptionBox();
    cbCenterPic->setText(cbUseCaption->isChecked() ? QStringLiteral("C&enter picture and caption")
                                                   : QStringLiteral("C&enter picture"));
}

void THPWiz::cbUseParagraphClick()
{
    mParagraph->setEnabled(cbUseParagraph->isChecked());
}

void THPWiz::cbUseLinkClick()
{
    enable({lbURL, eURL, sbLocateURL, lbDesc, eDesc}, cbUseLink->isChecked());
}

void THPWiz::cbUseAuthorClick()
{
    enable({lbName, eName, lbEMail, eEMail}, cbUseAuthor->isChecked());
}

HomepageValues THPWiz::values() const
{
    return {eTitle->text(),
            eSecHead->text(),
            cbCenterHead->isChecked(),
            cbRules->isChecked(),
            rbColorBG->isChecked(),
            eColR->text(),
            eColG->text(),
            eColB->text(),
            rbImage->isChecked(),
            eBGImage->text(),
            cbUsePic->isChecked(),
            eImage->text(),
            cbUseCaption->isChecked(),
            eImgCaption->text(),
            cbCenterPic->isChecked(),
            cbUseParagraph->isChecked(),
            displayedLines(mParagraph),
            cbUseLink->isChecked(),
            eURL->text(),
            eDesc->text(),
            cbUseAuthor->isChecked(),
            eName->text(),
            eEMail->text()};
}
