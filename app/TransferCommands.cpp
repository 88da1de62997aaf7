// Export of the document to a CSV file and of a memo to a text file, and
// import of text files as new memos.
#include "Main.h"

#include "Commands.h"

void TfrmMain::BindTransferCommands()
{
    for (const char* name : {"FileExportToCSVFile", "MemoExportToTextFile", "MemoImportFromTextFile"})
        m_commands->SetNotAvailable(name);
}
