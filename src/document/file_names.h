#pragma once

#include <QString>

// The name and caption of a document that has no file yet.
inline const QString NoName = QStringLiteral("\u00BBnoname\u00AB");

// The caption after Save as: the bare file name (after the last '/', '\\' or ':'), with only
// the ASCII letters A to Z lowered.
QString savedAsCaption(const QString &path);
