#pragma once

#include <QString>
#include <span>

class TextInsertion;

// One line of the component catalogue's outline: depth 0 are the groups.
struct CatalogueEntry {
    int depth;
    const char *name;
};

// The catalogue in display order.
std::span<const CatalogueEntry> componentCatalogue();

// The snippet of the entry called name (exact, case-sensitive), or an empty text for groups,
// sub-groups and unknown names.
QString componentSnippet(const QString &name);

// Inserts the snippet at the caret, caret to the end of the line; a name without a snippet
// inserts nothing.
void insertComponent(TextInsertion &target, const QString &name);
