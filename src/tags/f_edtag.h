#pragma once

#include "controls/std_dialog.h"
#include "tags/user_tags.h"

class QLabel;
class QLineEdit;

// Edits one user tag: the caller fills Tag, and reads it back after OK.
class TEdTag : public TStdDialog {
    Q_OBJECT

public:
    explicit TEdTag(QWidget *parent = nullptr);

    // The five input-output properties.
    TUserTag Tag;

    // FormShow, then the dialog: 1 OK, 2 Cancel.
    int ShowModal();
    void FormShow();

    QLabel *Label1, *Label2, *Label3, *Label4, *Label5, *Label6;
    QLineEdit *eTitle, *eName, *eStart, *eEnd, *eHint;

protected:
    bool bbOKClick() override;
};
