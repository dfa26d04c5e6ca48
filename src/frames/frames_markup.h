#pragma once

#include <QString>
#include <QStringList>

struct FrameSetValues {
    bool rows; // else columns
    QStringList sizes;
};

// "<FRAMESET ROWS="{sizes}">" or "<FRAMESET Cols="{sizes}">", the sizes joined by ",".
QString frameSetLine(const FrameSetValues &values);

struct FrameValues {
    QString source;
    QString name;
    QString marginWidth;
    QString marginHeight;
    QString scrolling;
    bool noResize = false;
};

// "<FRAME SRC={source}", then NAME (quoted), MARGINWIDTH, MARGINHEIGHT and SCROLLING when given,
// " NORESIZE" when chosen, then ">".
QString frameLine(const FrameValues &values);

// The lines the no-frames message starts with.
QStringList noFramesMessage();

// "<NOFRAMES>", each line of the message indented by two blanks, "</NOFRAMES>". A final empty
// line is not counted, so a message ending in a line break gives no extra line.
QStringList noFramesLines(QStringList message);
