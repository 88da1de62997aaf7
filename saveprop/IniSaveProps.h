#pragma once
// The settings component over one INI file (UTF-8 text, CR LF line ends;
// layout in IniDocument.h, reading and writing the file in IniFileText.h,
// number formats in ValueText.h).
//
// The file is held in memory while the store is open. Opening from closed
// (BeginRead or BeginWrite, identical) reads the whole file, or starts an
// empty document when there is none; each opening adds one to the open
// count. EndRead and EndWrite take one off; when the count reaches zero
// EndRead discards the document, EndWrite writes it to the file first. So a
// single call reads the file once and a single write rewrites it once, and
// Load and Save each read or rewrite it once. Changes made while the store
// is open end with it when the last close is an EndRead.
//
// The file is rewritten through a temporary file in the same folder and a
// rename, so a crash or a full disk never leaves it truncated; its folder
// is created when missing. When the rewrite fails the document stays in
// memory: the next opening uses it instead of reading the file and the next
// final EndWrite writes it again.
//
// A file that cannot be read (not text, no permission, a folder in its
// place) is never overwritten: the store starts empty, keeps that document
// in memory for the rest of its life and writes nothing to the file.
//
// Failures of the file are reported, each once: to OnFileError when it is
// set (the store then carries on and nothing is raised), otherwise raised
// as ESavePropError. A failure repeated at the next rewrite is not reported
// again, so a program closing over an unwritable file says it once.
//
// An object entry is stored one key per line of its text form
// (ObjectTextStream.h) without the frame lines: Font0, Font1, ... . Save
// first empties the whole section of every object entry, so a shorter text
// leaves no old keys behind.

#include "CustomSaveProps.h"
#include "IniDocument.h"

#include <QLocale>
#include <functional>
#include <memory>

class TIniSaveProps : public TCustomSaveProps {
    Q_OBJECT

public:
    explicit TIniSaveProps(QObject* owner);
    ~TIniSaveProps() override;

    // Empty: the default name of TIniFileLocation. Takes effect at the next
    // opening of the store.
    const QString& FileName() const { return m_fileName; }
    void SetFileName(const QString& fileName);
    QString GetIniFileName() const;

    // The file could not be read; the store works in memory only.
    bool Unreadable() const { return m_unreadable; }
    std::function<void(const QString& message)> OnFileError;

    // The locale whose decimal separator floats are written and read with;
    // the system locale unless set.
    const QLocale& Locale() const { return m_locale; }
    void SetLocale(const QLocale& locale) { m_locale = locale; }

    std::int32_t ReadInteger(const QString& section, const QString& key) override;
    QString ReadString(const QString& section, const QString& key) override;
    double ReadFloat(const QString& section, const QString& key) override;
    void WriteInteger(const QString& section, const QString& key, std::int32_t value) override;
    void WriteString(const QString& section, const QString& key, const QString& value) override;
    void WriteFloat(const QString& section, const QString& key, double value) override;
    void ReadObject(const QString& section, const QString& key, QObject* obj) override;
    void WriteObject(const QString& section, const QString& key, QObject* obj) override;
    void FindValues(const QString& section) override;
    void BeginRead() override;
    void EndRead() override;
    void BeginWrite() override;
    void EndWrite() override;
    bool ValueExists(const QString& section, const QString& key) override;

protected:
    // Empties the sections of the objects the list writes whole.
    void BeforeSaveEntries() override;

private:
    void Open();
    // The document of the open store; an assertion failure when closed.
    TIniDocument& OpenDocument(const char* operation);
    std::optional<QString> ReadValue(const QString& section, const QString& key);
    void WriteValue(const QString& section, const QString& key, const QString& value);

    void ReadFile();
    void WriteFile();
    void ReportFileError(const QString& message);

    QString m_fileName;
    bool m_unreadable = false;
    QString m_lastWriteFailure;
    std::unique_ptr<TIniDocument> m_document;
    QLocale m_locale = QLocale::system();
};
