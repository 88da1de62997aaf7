#pragma once
// The printed layout of a memo document's catalogue or of one memo: a
// header on every page, rows wrapped character by character to the page
// width at fixed indents, a new page whenever the next row would not fit.
// Plain C++ over TPrintCanvas, shared by the print dialog and vellora-doc.

#include "PrintCanvas.h"
#include "PrintFont.h"

#include <functional>
#include <string>
#include <vector>

class TQuorvexDataAccessSystem;

enum class TPrintSubject { File, Memo };

// The font of the text preview, by the index of the dialog's choice.
enum class TTextOption { General = 0, GeneralBold = 1, GeneralItalic = 2, TextFont = 3, EditorFont = 4 };

// What the print dialog hands over.
struct TPrintOptions {
    TPrintSubject Subject = TPrintSubject::File;
    bool IncludeTextPreview = false;  // file subject
    int MaxLength = 100;              // preview length in characters
    TTextOption TextOption = TTextOption::General;
    bool IncludeMemoInfo = false;     // memo subject
    TPrintFont GeneralFont;
    TPrintFont TextFont;
    TPrintFont EditorFont;
};

// The memo window printed on the memo subject; texts in code page 932 as
// the document holds them, the caption in UTF-8 for the page header.
struct TPrintMemo {
    std::string Caption;
    std::vector<std::string> Keywords;  // the window's current list
    std::string Text;                   // the window's current text
    std::string Title;                  // its row, when Stored
    bool Stored = false;
};

// Called before each memo of the catalogue (0-based index, count) and
// before each page; a long job shows its progress from here, and an
// exception thrown from it cancels the job.
using TPrintProgress = std::function<void(int memo, int memoCount, int page)>;

// Runs one whole job on the canvas: starts it, prints, ends it. An
// exception leaves the job unended and passes on.
void PrintCatalogue(TPrintCanvas& canvas, const TPrintOptions& options, const TQuorvexDataAccessSystem& store,
                    const std::string& documentFileName, const TPrintProgress& progress = {});
void PrintMemo(TPrintCanvas& canvas, const TPrintOptions& options, const TQuorvexDataAccessSystem& store,
               const TPrintMemo& memo, const TPrintProgress& progress = {});
