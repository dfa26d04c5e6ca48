#pragma once

#include <QWidget>

// What a wizard page asks for, shown in place on a sample page.
enum class SketchItem { Title, Background, Picture, Paragraph, Link, Author, Finished };

// The picture on the left half of a wizard page: a sample home page drawn in grey, with the
// page's own item in colour (all of them on the last page). The Title sketch leaves its headings
// and rules out: the wizard lays real labels and lines there, which follow its check boxes.
class TPageSketch : public QWidget {
    Q_OBJECT

public:
    explicit TPageSketch(SketchItem item, QWidget *parent = nullptr);

    QSize sizeHint() const override { return {Width, Height}; }

    // Where the headings and the two rules sit, in the sketch's coordinates.
    static QRect titleArea();
    static QRect secondHeadingArea();
    static QRect ruleArea(int which);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    static constexpr int Width = 340, Height = 340;
    SketchItem m_item;
};
