#pragma once

#include <QString>
#include <functional>
#include <optional>

class QMimeData;
class QWidget;

// What a catalogue drag carries: the dragged entry's name under a type of our own, so only a
// drag from the catalogue tree is taken as a component.
QMimeData *componentMimeData(const QString &entry);
std::optional<QString> componentEntry(const QMimeData *data);

// Makes the editor's viewport take catalogue drops: each drop hands the entry's name to insert;
// the drop point is not used. Other drags reach the editor as before.
void acceptComponentDrops(QWidget *viewport, std::function<void(const QString &)> insert);
