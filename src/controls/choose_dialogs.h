#pragma once

#include <QFont>
#include <QtGlobal>

#include <optional>

class QWidget;

// The colour dialog ("ColorDialog1") opened on start: the colour chosen, nothing on Cancel.
std::optional<quint32> chooseColor(QWidget *parent, quint32 start);

// The font dialog ("FontDialog1") opened on start: the font chosen, nothing on Cancel. The
// dialog lists real families only, so a name the system draws with another family (such as
// "Courier New") is kept when the user leaves that family chosen: unchanged means unchanged.
std::optional<QFont> chooseFont(QWidget *parent, const QFont &start);
