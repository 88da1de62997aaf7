#include "PdfDraft.h"

#include "Exceptions.h"
#include "FileIO.h"

#include <QPrinter>
#include <QTemporaryFile>

TPdfDraft::TPdfDraft(QPrinter& printer) : m_printer(printer)
{
    if (printer.outputFormat() != QPrinter::PdfFormat)
        return;
    m_target = printer.outputFileName();
    m_draft = std::make_unique<QTemporaryFile>();
    if (!m_draft->open())
        throw EFCreateError(m_draft->fileTemplate().toStdString());
    m_draft->close();
    printer.setOutputFileName(m_draft->fileName());
}

TPdfDraft::~TPdfDraft()
{
    if (m_draft)
        m_printer.setOutputFileName(m_target);
}

void TPdfDraft::Commit()
{
    if (!m_draft)
        return;
    const std::string bytes = ReadWholeFile(m_draft->fileName().toStdString());
    // The writer does not report failed writes: a whole file ends with %%EOF.
    const std::size_t end = bytes.rfind("%%EOF");
    if (bytes.compare(0, 5, "%PDF-") != 0 || end == std::string::npos || bytes.size() - end > 7)
        throw EFCreateError(m_target.toStdString());
    WriteFileAtomically(m_target.toStdString(), bytes);
}
