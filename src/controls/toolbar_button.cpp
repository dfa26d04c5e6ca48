#include "controls/toolbar_button.h"

#include <QAction>

namespace {

TExplorerButton *createButton(QWidget *parent, const char *name, const QRect &geometry,
                              const QString &hint, const QString &caption)
{
    auto *button = new TExplorerButton(parent);
    button->setObjectName(QLatin1String(name));
    button->setGeometry(geometry);
    button->setCaption(caption);
    button->setHint(hint);
    button->setAccessibleName(hint.isEmpty() ? withoutAccelerators(caption) : hint);
    return button;
}

} // namespace

TExplorerButton *createPictureButton(QWidget *parent, const char *name, const QRect &geometry,
                                     const QString &hint, Glyph glyph, int pictureSize)
{
    TExplorerButton *button = createButton(parent, name, geometry, hint, {});
    button->setOptions(boMonoDisplay | boIconOnly | boShowBevel);
    // The glyphs' mid tones would turn white in the medium shading and vanish on the light bars.
    button->setShadingType(stDark);
    button->setBitmap(glyphIcon(glyph), QSize(pictureSize, pictureSize));
    return button;
}

TExplorerButton *createCaptionButton(QWidget *parent, const char *name, const QRect &geometry,
                                     const QString &hint, const QString &caption,
                                     const CaptionFace &face)
{
    TExplorerButton *button = createButton(parent, name, geometry, hint, caption);
    QFont font = button->font();
    font.setBold(face.bold);
    font.setItalic(face.italic);
    font.setUnderline(face.underline);
    // One-character captions stand for pictures: draw them as large as the glyphs.
    if (caption.size() == 1)
        font.setPointSizeF(font.pointSizeF() * 1.4);
    button->setFont(font);
    if (face.colour.isValid()) {
        QPalette palette = button->palette();
        palette.setColor(QPalette::ButtonText, face.colour);
        button->setPalette(palette);
    }
    return button;
}

void bindToAction(TExplorerButton *button, QAction *action)
{
    button->setEnabled(action->isEnabled());
    QObject::connect(action, &QAction::enabledChanged, button, &TExplorerButton::setEnabled);
    QObject::connect(button, &QAbstractButton::clicked, action, &QAction::trigger);
}
