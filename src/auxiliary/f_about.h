#pragma once

#include <QDialog>

class QFrame;
class QLabel;
class QPushButton;

// The About box: the product, its version and release, and who made it.
class TAbout : public QDialog {
    Q_OBJECT

public:
    explicit TAbout(QWidget *parent = nullptr);

    QFrame *Panel1;
    QLabel *lbTitle;
    QLabel *lbAuthor;
    QLabel *lbRelease;
    QLabel *lbMaker;
    QLabel *lbSite;
    QPushButton *bbOK;

    // Fills the release label each time the box is shown.
    void FormShow();

protected:
    void showEvent(QShowEvent *event) override;
};
