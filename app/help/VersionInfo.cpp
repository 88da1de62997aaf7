#include "VersionInfo.h"

#include "VersionNumbers.h"

#include <array>
#include <utility>

namespace {

using TEntry = std::pair<const char*, const char*>;

constexpr std::array<TEntry, 3> Strings{{
    {"FileVersion", VelloraVersion},
    {"ProductName", "Vellora"},
    {"ProductVersion", VelloraVersion},
}};

}  // namespace

QString TVersionInfo::StringTablePath()
{
    return QStringLiteral("\\StringFileInfo\\041103A4\\");
}

QString TVersionInfo::QueryValue(const QString& subBlock)
{
    for (const auto& [key, value] : Strings) {
        if (subBlock == StringTablePath() + QLatin1String(key))
            return QString::fromUtf8(value);
    }
    return {};
}
