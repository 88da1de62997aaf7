#pragma once
// Printing to a PDF file without a printer: the page set-up of the
// command-line tool and a whole job written so that a failure never
// leaves a partial file.

#include "PrintCanvas.h"

#include <functional>
#include <string>

class QPrinter;

// A4 portrait, 15 mm margins, at the printer's high resolution.
void SetUpPdfPrinter(QPrinter& printer, const std::string& fileName);

// Runs print on a canvas over a PDF printer writing to a temporary file,
// then puts the finished file in place of fileName. Raises Exception when
// the job fails or the file cannot be written; fileName is
// then untouched.
void WritePdf(const std::string& fileName, const std::function<void(TPrintCanvas&)>& print);
