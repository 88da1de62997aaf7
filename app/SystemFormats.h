#pragma once
// The store's locale formats from a Qt locale: its short date format, long
// time format, decimal separator and AM/PM texts, with Qt's format letters
// mapped to the store's and the texts converted to code page 932. The C
// locale, and a part the code page cannot hold, keep the Japanese defaults.

#include "LocaleFormats.h"

class QLocale;

LocaleFormats FormatsOfLocale(const QLocale& locale);
