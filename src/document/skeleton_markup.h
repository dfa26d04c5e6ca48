#pragma once

#include "core/page_markup.h"

// The 18 lines of a new document, indentation included.
QStringList skeletonLines(const QString &author, const QString &email, const QString &date,
                          const QString &time);
