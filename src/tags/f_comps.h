#pragma once

#include <QTreeWidget>
#include <QWidget>
#include <optional>

class QLabel;
class QPushButton;

// The catalogue tree: a left-button drag of an entry, once past the drag threshold, carries
// the entry's name; other buttons start nothing.
class TComponentTree : public QTreeWidget {
    Q_OBJECT

public:
    explicit TComponentTree(QWidget *parent = nullptr);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;

private:
    std::optional<QPoint> m_pressedAt;
};

// The component catalogue: a stay-on-top tool window whose entries are dragged onto an editor.
class TComps : public QWidget {
    Q_OBJECT

public:
    explicit TComps(QWidget *parent = nullptr);

    QLabel *Label1;
    TComponentTree *oComponents;
    QPushButton *bbOK;
};

// Opens one more catalogue window at the right of the screen; it lives until it is closed.
TComps *openComponentCatalogue();
