#pragma once
// The user's formats the store uses for the text forms of cells: the short
// date format, the long time format and the decimal separator. The defaults
// are the Japanese ones; the program fills the object from the system locale
// at start, tests set it explicitly.
//
// Format letters: yyyy / yy year, M / MM month, d / dd day, H / HH or h / hh
// hour (24-hour), m / mm minute, s / ss second; any other character is copied.

#include <string>

struct LocaleFormats {
    std::string ShortDateFormat = "yyyy/MM/dd";
    std::string LongTimeFormat = "H:mm:ss";
    char DecimalSeparator = '.';
    bool operator==(const LocaleFormats&) const = default;
};

// The formats the store reads; one object for the whole program.
LocaleFormats& CurrentFormats();
