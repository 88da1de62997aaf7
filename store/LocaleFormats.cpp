#include "LocaleFormats.h"

LocaleFormats& CurrentFormats()
{
    static LocaleFormats formats;
    return formats;
}
