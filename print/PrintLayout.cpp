#include "PrintLayout.h"

#include "Cp932Codec.h"
#include "KeywordText.h"
#include "MemoDocument.h"
#include "PrintJob.h"
#include "QuorvexDataAccessSystem.h"

namespace {
const std::string PreviewCut = " ...";

// The preview font: the general font changed by the text option.
TPrintFont PreviewFont(const TPrintOptions& options)
{
    TPrintFont font = options.GeneralFont;
    switch (options.TextOption) {
    case TTextOption::General: break;
    case TTextOption::GeneralBold: font.Bold = true; break;
    case TTextOption::GeneralItalic: font.Italic = true; break;
    case TTextOption::TextFont: font = options.TextFont; break;
    case TTextOption::EditorFont: font = options.EditorFont; break;
    }
    return font;
}

// The first maxLength characters of a UTF-8 text and " ...", or the
// whole text when it has no more characters than that.
std::string CutPreview(const std::string& text, int maxLength)
{
    int chars = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if ((static_cast<unsigned char>(text[i]) & 0xC0) == 0x80)
            continue;
        if (chars == maxLength)
            return text.substr(0, i) + PreviewCut;
        ++chars;
    }
    return text;
}

// Where a job is, for its progress report.
struct JobPosition {
    const TPrintProgress& progress;
    int memoCount;
    int memo = 0;

    void Report(const TPrintCanvas& canvas) const
    {
        if (progress)
            progress(memo, memoCount, canvas.PageNumber());
    }
};

// Starts the job, runs print with the first header drawn, and ends the
// job. An exception leaves the job as it is.
template <typename Print>
void RunJob(TPrintCanvas& canvas, const std::string& caption, JobPosition& position, Print print)
{
    canvas.BeginDoc();
    TPrintJob job(canvas, caption, [&] { position.Report(canvas); });
    position.Report(canvas);
    job.PrintPageHeader();
    print(job);
    canvas.EndDoc();
}

class CatalogueColumns {
public:
    explicit CatalogueColumns(const TQuorvexDataAccessSystem& store)
        : store_(store), table_(store.TableIndex(MemoLayout::Table)),
          title_(store.ColIndex(table_, MemoLayout::Title)), keywords_(store.ColIndex(table_, MemoLayout::Keywords)),
          text_(store.ColIndex(table_, MemoLayout::Text)), update_(store.ColIndex(table_, MemoLayout::Update))
    {
    }

    int Count() const { return store_.RowCount(table_); }
    std::string Title(int row) const { return Read(title_, row); }
    std::string Keywords(int row) const { return Read(keywords_, row); }
    std::string Text(int row) const { return Read(text_, row); }
    std::string Update(int row) const { return Read(update_, row); }

private:
    std::string Read(int col, int row) const { return Cp932ToUtf8(store_.GetValueAsString(table_, col, row)); }

    const TQuorvexDataAccessSystem& store_;
    int table_, title_, keywords_, text_, update_;
};

// One memo of the catalogue: its title, keywords, date, the text preview
// when asked for, and a blank row.
void PrintCatalogueEntry(TPrintJob& job, const CatalogueColumns& memos, int row, const TPrintOptions& options,
                         const TPrintFont& preview)
{
    const TPrintFont& general = options.GeneralFont;
    const int unit = general.PixelHeight();
    job.PrintWrapped(memos.Title(row), 0, general);
    job.PrintWrapped("キーワード : " + memos.Keywords(row), 4 * unit, general);
    job.PrintWrapped("更新日 : " + memos.Update(row), 4 * unit, general);
    if (options.IncludeTextPreview) {
        job.PrintWrapped("テキスト :", 4 * unit, general);
        job.PrintWrapped(CutPreview(memos.Text(row), options.MaxLength), 8 * unit, preview);
    }
    job.PrintWrapped(" ", 0, general);
}

// The memo window's text, after its keywords and date when asked for.
void PrintMemoEntry(TPrintJob& job, const TQuorvexDataAccessSystem& store, const TPrintMemo& memo,
                    const TPrintOptions& options)
{
    const TPrintFont& general = options.GeneralFont;
    const int unit = general.PixelHeight();
    const std::string text = Cp932ToUtf8(memo.Text);
    if (!options.IncludeMemoInfo) {
        job.PrintWrapped(text, 0, general);
        return;
    }
    job.PrintWrapped("キーワード : " + Cp932ToUtf8(EncodeKeywordText(memo.Keywords)), 4 * unit, general);
    if (memo.Stored)
        job.PrintWrapped(
            "更新日 : " + Cp932ToUtf8(store.GetValueAsString(MemoLayout::Table, MemoLayout::Update, memo.Title)),
            4 * unit, general);
    job.PrintWrapped("テキスト :", 4 * unit, general);
    job.PrintWrapped(text, 8 * unit, general);
}

}  // namespace

void PrintCatalogue(TPrintCanvas& canvas, const TPrintOptions& options, const TQuorvexDataAccessSystem& store,
                    const std::string& documentFileName, const TPrintProgress& progress)
{
    const CatalogueColumns memos(store);
    const TPrintFont preview = PreviewFont(options);
    JobPosition position{progress, memos.Count()};
    RunJob(canvas, documentFileName, position, [&](TPrintJob& job) {
        for (; position.memo < position.memoCount; ++position.memo) {
            position.Report(canvas);
            PrintCatalogueEntry(job, memos, position.memo, options, preview);
        }
    });
}

void PrintMemo(TPrintCanvas& canvas, const TPrintOptions& options, const TQuorvexDataAccessSystem& store,
               const TPrintMemo& memo, const TPrintProgress& progress)
{
    JobPosition position{progress, 1};
    RunJob(canvas, memo.Caption, position, [&](TPrintJob& job) { PrintMemoEntry(job, store, memo, options); });
}
