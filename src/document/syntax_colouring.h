#pragma once

#include "core/syntax_colour.h"

#include <QColor>
#include <QObject>
#include <QTextLayout>
#include <QTimer>
#include <array>
#include <functional>

class QTextBlock;
class QTextDocument;

// The four stored colours (0x00BBGGRR) for text, links, images and other tags.
struct SyntaxColours {
    quint32 text, links, images, other;
};

// Colours a document's lines only when they are shown. Each block keeps, in its user state,
// the state it hands on; the blocks down to the last agreeing one agree with the text, those
// below are checked again when they are shown, so an edit costs nothing beyond the lines in view.
class SyntaxColouring : public QObject {
public:
    // stale is called when lines shown from a guessed state may now show other colours.
    SyntaxColouring(QTextDocument *document, const SyntaxColours &colours,
                    std::function<void()> stale);

    // The state the block starts in. Walks down from the last agreeing block when that is
    // near. From far away it starts from the nearest line above that knows its state (within
    // a bounded stretch), and the lines in between are brought into agreement in short slices
    // while the editor is idle, so a comment opened far above never holds the editor.
    LineState stateBefore(const QTextBlock &block);
    // Colours a shown block from the state before it, keeps the state it hands on and tells
    // whether that state differs from the one it kept before (the lines below need repainting).
    QList<QTextLayout::FormatRange> colour(const QTextBlock &block, LineState &state,
                                           bool &changed);
    // The blocks first..last were just coloured in order; when first started from an agreeing
    // state, they agree now too.
    void coloured(int first, int last);
    QColor textColour() const { return m_formats[0].foreground().color(); }

private:
    // How far stateBefore walks at most.
    static constexpr int kWalk = 2000;

    void catchUp();

    QTextDocument *m_document;
    std::function<void()> m_stale;
    QTimer m_idle;
    // The first line shown from a guessed state; the idle slices agree up to it.
    int m_guessedFrom = -1;
    std::array<QTextCharFormat, 4> m_formats;
    int m_validUntil = 0; // the last line that agrees with the text
};
