#pragma once

#include "wizard/homepage_markup.h"

#include <QDialog>

class DialogRows;
class QCheckBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QTabWidget;
class TPageSketch;

// The homepage wizard: seven pages collecting what the home page is built from. It writes
// nothing itself; Finish closes it with OK, the close box with Cancel, and the page is made from
// its boxes either way.
class THPWiz : public QDialog {
    Q_OBJECT

public:
    explicit THPWiz(QWidget *parent = nullptr);

    QTabWidget *pcHPWizard;

    QLineEdit *eTitle;
    QLineEdit *eSecHead;
    QCheckBox *cbCenterHead;
    QCheckBox *cbRules;
    // The first page's sample headings and rules.
    QLabel *lbSampleTitle;
    QLabel *lbSampleSecHead;
    QFrame *lnRule1;
    QFrame *lnRule2;

    QRadioButton *rbNoBG;
    QRadioButton *rbColorBG;
    QLabel *lbColR, *lbColG, *lbColB;
    QLineEdit *eColR, *eColG, *eColB;
    QPushButton *sbChooseCol;
    QRadioButton *rbImage;
    QLineEdit *eBGImage;
    QPushButton *sbLocateBGImg;

    QCheckBox *cbUsePic;
    QLabel *lbImage;
    QLineEdit *eImage;
    QPushButton *sbLocateImg;
    QCheckBox *cbUseCaption;
    QLabel *lbImgCaption;
    QLineEdit *eImgCaption;
    QCheckBox *cbCenterPic;

    QCheckBox *cbUseParagraph;
    QPlainTextEdit *mParagraph;

    QCheckBox *cbUseLink;
    QLabel *lbURL;
    QLineEdit *eURL;
    QPushButton *sbLocateURL;
    QLabel *lbDesc;
    QLineEdit *eDesc;

    QCheckBox *cbUseAuthor;
    QLabel *lbName;
    QLineEdit *eName;
    QLabel *lbEMail;
    QLineEdit *eEMail;

    QPushButton *bbFinish;

    // Name and e-mail as the settings hold them now, whatever the boxes held.
    void FormActivate();
    void sbChooseColClick();

    // What the boxes hold, the paragraph as the lines its box displays.
    HomepageValues values() const;

protected:
    bool event(QEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    // Each page's controls, into its rows beside its sketch.
    void fillTitle(DialogRows &rows, TPageSketch *sketch);
    void fillBackground(DialogRows &rows, TPageSketch *sketch);
    void fillPicture(DialogRows &rows, TPageSketch *sketch);
    void fillParagraph(DialogRows &rows, TPageSketch *sketch);
    void fillLink(DialogRows &rows, TPageSketch *sketch);
    void fillAuthor(DialogRows &rows, TPageSketch *sketch);

    void cbCenterHeadClick();
    void cbRulesClick();
    void rbBGClick();
    void cbUsePicClick();
    void cbUseCaptionClick();
    void updateCaptionBox();
    void cbUseParagraphClick();
    void cbUseLinkClick();
    void cbUseAuthorClick();

    quint32 m_lastColor = 0; // the colour dialog reopens on it
};
