#pragma once

#include "controls/std_dialog.h"

class QPushButton;
class QTableWidget;

// The user-tag manager: lists the nine tags, edits or empties one, and saves all nine
// whenever it closes, Cancel included.
class TUserTags : public TStdDialog {
    Q_OBJECT

public:
    explicit TUserTags(QWidget *parent = nullptr);

    // FormShow (may throw RegistryError: the manager is then not shown), then the dialog.
    // The result is 1 only when the tags were saved after OK.
    int ShowModal();
    void FormShow();
    void sbEditClick();
    void sbDeleteClick();

    QTableWidget *sgUserTags;
    QPushButton *sbEdit;
    QPushButton *sbDelete;

protected:
    // FormCloseQuery: OK, Cancel, Escape and the close box all come through here.
    void done(int result) override;

private:
    void showRow(int n);
};
