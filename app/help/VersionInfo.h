#pragma once
// The program's version information: a string table compiled in from the
// project version, queried by sub-block path like a version resource, e.g.
// "\StringFileInfo\041103A4\FileVersion" (language 0411 Japanese, code page
// 03A4 = 932).

#include <QString>

class TVersionInfo {
public:
    // The path of the one string table the program carries.
    static QString StringTablePath();
    // The value at `subBlock`; an empty string when there is none.
    static QString QueryValue(const QString& subBlock);
};
