#pragma once

#include "controls/std_dialog.h"
#include "settings/registry_edit.h"

class QPushButton;
class QTableWidget;

// The user-tag manager: lists the nine tags, edits or empties one, and saves all nine
// whenever it closes, Cancel included.
class TUserTags : public TStdDialog {
    Q_OBJECT

public:
    explicit TUserTags(QWidget *parent = nullptr);

    // FormShow, then the dialog. The result is 1 only when the tags were saved after OK.
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

    // What FormShow read, so the save keeps tags another program changed meanwhile.
    RegistryEdit m_edit;
};
