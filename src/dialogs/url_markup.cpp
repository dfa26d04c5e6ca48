#include "dialogs/url_markup.h"

QString builtUrl(const UrlValues &values)
{
    return values.protocol + values.server + QLatin1Char('/') + values.path + QLatin1Char('/') +
           values.file;
}
