#pragma once

#include "controls/std_dialog.h"

#include <QStringList>

class QLabel;
class QPlainTextEdit;

// The no-frames dialog: the message shown by browsers without frames.
class TNoFrames : public TStdDialog {
    Q_OBJECT

public:
    explicit TNoFrames(QWidget *parent = nullptr);

    QLabel *Label1;
    QPlainTextEdit *mMessage;

    // The message's lines as the box holds them, a final empty one included.
    QStringList MessageLines() const;
};
