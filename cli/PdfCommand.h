#pragma once
// pdf FILE OUT [--preview N] [--memo TITLE [--info]] [--font FAMILY[:POINTS]]:
// the catalogue of the document, or one memo of it, printed to a PDF file
// with the program's print layout, without a display.

#include "DocSubcommands.h"

void PdfCommand(const ArgumentList& args, CommandIo& io);
