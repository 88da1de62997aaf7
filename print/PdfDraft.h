#pragma once
// A print job to a PDF file is drawn into a temporary file first; only a
// finished job replaces the file chosen, through the checked writer. A job
// that fails or is cancelled leaves no partial file and an old file as it
// was.

#include <QString>

#include <memory>

class QPrinter;
class QTemporaryFile;

class TPdfDraft {
public:
    // Redirects a printer that writes a PDF file to a temporary one; any
    // other printer is left alone.
    explicit TPdfDraft(QPrinter& printer);
    // Gives the printer its file back and removes the temporary one.
    ~TPdfDraft();
    TPdfDraft(const TPdfDraft&) = delete;
    TPdfDraft& operator=(const TPdfDraft&) = delete;

    // Puts the finished job in place of the chosen file; raises Exception
    // when the job's file is not a whole PDF or cannot be written.
    void Commit();

private:
    QPrinter& m_printer;
    QString m_target;
    std::unique_ptr<QTemporaryFile> m_draft;
};
