#pragma once
// A compiled help archive read through chmlib: its files by name and the
// settings it was compiled with (title, first page, contents file). Texts
// are the archive's bytes, in the code page of its language.

#include <memory>
#include <optional>
#include <string>

struct chmFile;

class TChmArchive {
public:
    // Raises Exception, naming the file, when it cannot be opened as an
    // archive or its settings cannot be read.
    explicit TChmArchive(const std::string& path);

    // The bytes of one file of the archive ("/index.htm"); nullopt when the
    // archive has no such file. Raises Exception when it is there but
    // cannot be read whole.
    std::optional<std::string> Read(const std::string& name) const;

    const std::string& Title() const { return m_title; }
    // Archive names ("/index.htm"); empty when not set.
    const std::string& DefaultTopic() const { return m_defaultTopic; }
    const std::string& ContentsFile() const { return m_contentsFile; }

private:
    struct TCloser {
        void operator()(chmFile* file) const;
    };

    [[noreturn]] void RaiseDamaged() const;
    void ReadSettings();

    std::string m_path;
    std::unique_ptr<chmFile, TCloser> m_file;
    std::string m_title;
    std::string m_defaultTopic;
    std::string m_contentsFile;
};
