#include "ChmArchive.h"

#include "Exceptions.h"

#include <chm_lib.h>

namespace {

// A damaged archive may claim any size; no file of a help archive is near this.
constexpr unsigned long long MaxFileSize = 64ull << 20;

// Record codes of the archive's "/#SYSTEM" file.
enum : unsigned {
    ContentsFileCode = 0,
    DefaultTopicCode = 2,
    TitleCode = 3,
};

unsigned Word(const std::string& bytes, std::size_t at)
{
    return static_cast<unsigned char>(bytes[at]) | static_cast<unsigned char>(bytes[at + 1]) << 8;
}

// A record's text ends at its first NUL.
std::string RecordText(const std::string& bytes, std::size_t at, std::size_t length)
{
    const std::string text = bytes.substr(at, length);
    return text.substr(0, text.find('\0'));
}

std::string ArchiveName(const std::string& name)
{
    return name.empty() || name[0] == '/' ? name : '/' + name;
}

}  // namespace

void TChmArchive::TCloser::operator()(chmFile* file) const
{
    chm_close(file);
}

TChmArchive::TChmArchive(const std::string& path) : m_path(path), m_file(chm_open(path.c_str()))
{
    if (!m_file)
        RaiseDamaged();
    ReadSettings();
}

void TChmArchive::RaiseDamaged() const
{
    throw Exception("ヘルプファイル「" + m_path + "」を読み込めません。 ファイルが壊れているか、ヘルプファイルではありません。");
}

std::optional<std::string> TChmArchive::Read(const std::string& name) const
{
    chmUnitInfo unit{};
    if (chm_resolve_object(m_file.get(), name.c_str(), &unit) != CHM_RESOLVE_SUCCESS)
        return std::nullopt;
    if (unit.length > MaxFileSize)
        RaiseDamaged();
    std::string bytes(unit.length, '\0');
    if (bytes.empty())
        return bytes;
    const LONGINT64 length = static_cast<LONGINT64>(unit.length);
    if (chm_retrieve_object(m_file.get(), &unit, reinterpret_cast<unsigned char*>(bytes.data()), 0, length) != length)
        RaiseDamaged();
    return bytes;
}

// "/#SYSTEM": a version word, then records of a code word, a length word
// and that many bytes.
void TChmArchive::ReadSettings()
{
    const std::optional<std::string> system = Read("/#SYSTEM");
    if (!system || system->size() < 4)
        RaiseDamaged();
    for (std::size_t at = 4; at + 4 <= system->size();) {
        const unsigned code = Word(*system, at);
        const std::size_t length = Word(*system, at + 2);
        at += 4;
        if (at + length > system->size())
            RaiseDamaged();
        const std::string text = RecordText(*system, at, length);
        if (code == ContentsFileCode)
            m_contentsFile = ArchiveName(text);
        else if (code == DefaultTopicCode)
            m_defaultTopic = ArchiveName(text);
        else if (code == TitleCode)
            m_title = text;
        at += length;
    }
}
