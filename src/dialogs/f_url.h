#pragma once

#include "controls/std_dialog.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

// The URL builder: a protocol, a server, a path and a file joined into one URL.
class TURLBuilder : public TStdDialog {
    Q_OBJECT

public:
    explicit TURLBuilder(QWidget *parent = nullptr);

    QLabel *Label1;
    QComboBox *cbURL;
    QLabel *Label2;
    QLabel *Label3;
    QLineEdit *eServer;
    QLabel *Label4;
    QLineEdit *ePath;
    QLabel *Label5;
    QLineEdit *eFile;
    QLabel *Label6;
    QLineEdit *eURL;
    QPushButton *BitBtn1;
    QPushButton *BitBtn2;
    // The URL as built by the last change of an input; callers read it after OK.
    QString URL;

    void URLChange();
};
