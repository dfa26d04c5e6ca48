#pragma once

#include "controls/explbtn.h"
#include "controls/glyphs.h"

class QAction;

// How a caption button writes its caption; under the pointer it is drawn in colour.
struct CaptionFace {
    bool bold = false;
    bool italic = false;
    bool underline = false;
    QColor colour; // invalid: the palette's button text
};

// Every tool-bar button of the program is made here, from the rows of the button tables.

// A picture only, grey at rest; the hint names it.
TExplorerButton *createPictureButton(QWidget *parent, const char *name, const QRect &geometry,
                                     const QString &hint, Glyph glyph, int pictureSize);
TExplorerButton *createCaptionButton(QWidget *parent, const char *name, const QRect &geometry,
                                     const QString &hint, const QString &caption,
                                     const CaptionFace &face = {});

// The button shows the action's enabled state, and a click triggers the action.
void bindToAction(TExplorerButton *button, QAction *action);
