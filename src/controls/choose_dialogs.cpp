#include "controls/choose_dialogs.h"

#include "controls/color_convert.h"

#include <QColorDialog>
#include <QFontDialog>
#include <QFontInfo>

std::optional<quint32> chooseColor(QWidget *parent, quint32 start)
{
    QColorDialog dialog(parent);
    dialog.setObjectName(QStringLiteral("ColorDialog1"));
    dialog.setOption(QColorDialog::DontUseNativeDialog);
    dialog.setCurrentColor(toQColor(start));
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return fromQColor(dialog.selectedColor());
}

std::optional<QFont> chooseFont(QWidget *parent, const QFont &start)
{
    QFontDialog dialog(parent);
    dialog.setObjectName(QStringLiteral("FontDialog1"));
    dialog.setOption(QFontDialog::DontUseNativeDialog);
    const QString drawn = QFontInfo(start).family();
    dialog.setCurrentFont(QFont(drawn, start.pointSize()));
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    QFont chosen = dialog.selectedFont();
    if (chosen.family() == drawn)
        chosen.setFamily(start.family());
    return chosen;
}
