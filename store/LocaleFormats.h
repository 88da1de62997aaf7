#pragma once
// The user's formats the store uses for the text forms of cells: the short
// date format, the long time format, the decimal separator and the AM and PM
// texts. The defaults
// are the Japanese ones; the program fills the object from the system locale
// at start, tests set it explicitly.
//
// Format letters: yyyy / yy year, M / MM month, d / dd day, H / HH or h / hh
// hour, m / mm minute, s / ss second, "ampm" the AM or PM text (the hour is
// then on the 12-hour clock); text between single quotes and any other
// character is copied. All texts are code page 932 bytes.

#include <string>

struct LocaleFormats {
    std::string ShortDateFormat = "yyyy/MM/dd";
    std::string LongTimeFormat = "H:mm:ss";
    char DecimalSeparator = '.';
    std::string TimeAMString = "\x8c\xdf\x91\x4f";  // 午前
    std::string TimePMString = "\x8c\xdf\x8c\xe3";  // 午後

    bool operator==(const LocaleFormats&) const = default;
};

// The formats the store reads; one object for the whole program.
LocaleFormats& CurrentFormats();
