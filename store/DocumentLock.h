#pragma once
// An exclusive lock for one read-modify-write of a document, held while the
// object lives. It is a flock on the folder the document lies in (links
// followed): a save replaces the document by a rename, which a lock on the
// file itself would not outlive. Every writer that takes it (vellora-doc
// add, the program's save) waits for the others.

#include "FileDescriptor.h"

#include <string>

class TDocumentLock {
public:
    // Waits a while for another holder; raises EFCreateError, saying why,
    // when the lock cannot be had.
    explicit TDocumentLock(const std::string& fileName);

private:
    TFileDescriptor folder_;
};
