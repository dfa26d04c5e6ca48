#pragma once

#include <QString>

struct UrlValues {
    QString protocol;
    QString server;
    QString path;
    QString file;
};

// "{protocol}{server}/{path}/{file}": both slashes always, nothing trimmed or encoded.
QString builtUrl(const UrlValues &values);
