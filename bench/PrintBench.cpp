// The catalogue of generated documents of 1,000 and 10,000 memos, with a
// text preview of 100 characters, printed to a PDF file; held to drawing
// the same rows, already wrapped, on the same pages of a PDF file. Pages
// per second: the pages counter over the time column.
#include "BenchDocument.h"
#include "MemoDocument.h"
#include "PdfOutput.h"
#include "PrintLayout.h"
#include "PrinterCanvas.h"
#include "RatioReporter.h"

#include <QGuiApplication>
#include <QPrinter>

#include <cstdio>
#include <filesystem>
#include <map>
#include <memory>
#include <variant>

namespace {

void Sizes(benchmark::internal::Benchmark* b)
{
    b->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);
}

std::string OutputFile() { return (std::filesystem::temp_directory_path() / "vellora-bench-out.pdf").string(); }

TPrintOptions CatalogueOptions()
{
    TPrintOptions options;
    options.IncludeTextPreview = true;
    options.MaxLength = 100;
    return options;
}

// What a job drew: fonts, rows and page breaks, in order.
using DrawStep = std::variant<TPrintFont, std::pair<std::pair<int, int>, std::string>, std::monostate>;

// Passes every call on to a canvas and keeps what was drawn.
class TRecordingPass : public TPrintCanvas {
public:
    explicit TRecordingPass(TPrintCanvas& canvas) : canvas_(canvas) {}
    void BeginDoc() override { canvas_.BeginDoc(); }
    void EndDoc() override { canvas_.EndDoc(); }
    void NewPage() override
    {
        canvas_.NewPage();
        steps.emplace_back(std::monostate{});
    }
    int PageNumber() const override { return canvas_.PageNumber(); }
    int PageWidth() const override { return canvas_.PageWidth(); }
    int PageHeight() const override { return canvas_.PageHeight(); }
    const TPrintFont& Font() const override { return canvas_.Font(); }
    void SetFont(const TPrintFont& font) override
    {
        canvas_.SetFont(font);
        steps.emplace_back(font);
    }
    void TextOut(int x, int y, std::string_view text) override
    {
        canvas_.TextOut(x, y, text);
        steps.emplace_back(std::pair{std::pair{x, y}, std::string(text)});
    }
    int TextWidth(std::string_view text) override
    {
        ++measured;
        return canvas_.TextWidth(text);
    }
    int TextHeight(std::string_view text) override { return canvas_.TextHeight(text); }

    std::vector<DrawStep> steps;
    int measured = 0;

private:
    TPrintCanvas& canvas_;
};

struct Recorded {
    std::vector<DrawStep> steps;
    double measuresPerRow = 0;
};

const Recorded& Recording(int memoCount)
{
    static std::map<int, Recorded> recorded;
    Recorded& done = recorded[memoCount];
    if (done.steps.empty()) {
        QPrinter printer(QPrinter::HighResolution);
        SetUpPdfPrinter(printer, OutputFile());
        TPrinterCanvas canvas(printer);
        TRecordingPass pass(canvas);
        PrintCatalogue(pass, CatalogueOptions(), LoadedBenchDocument(memoCount), "/bench/memos.vlr");
        const auto rows = std::count_if(pass.steps.begin(), pass.steps.end(),
                                        [](const DrawStep& s) { return s.index() == 1; });
        done.measuresPerRow = static_cast<double>(pass.measured) / static_cast<double>(rows);
        done.steps = std::move(pass.steps);
    }
    return done;
}

const std::vector<DrawStep>& DrawnSteps(int memoCount) { return Recording(memoCount).steps; }

int PageCount(const std::vector<DrawStep>& steps)
{
    return 1 + static_cast<int>(std::count_if(steps.begin(), steps.end(), [](const DrawStep& s) {
               return std::holds_alternative<std::monostate>(s);
           }));
}

void BM_DrawRows(benchmark::State& state)
{
    const std::vector<DrawStep>& steps = DrawnSteps(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        QPrinter printer(QPrinter::HighResolution);
        SetUpPdfPrinter(printer, OutputFile());
        TPrinterCanvas canvas(printer);
        canvas.BeginDoc();
        for (const DrawStep& step : steps) {
            if (const auto* font = std::get_if<TPrintFont>(&step))
                canvas.SetFont(*font);
            else if (const auto* row = std::get_if<1>(&step))
                canvas.TextOut(row->first.first, row->first.second, row->second);
            else
                canvas.NewPage();
        }
        canvas.EndDoc();
    }
    state.counters["pages"] = PageCount(steps);
}

void BM_PrintCatalogue(benchmark::State& state)
{
    const int memoCount = static_cast<int>(state.range(0));
    const TQuorvexDataAccessSystem& store = LoadedBenchDocument(memoCount);
    for (auto _ : state) {
        QPrinter printer(QPrinter::HighResolution);
        SetUpPdfPrinter(printer, OutputFile());
        TPrinterCanvas canvas(printer);
        PrintCatalogue(canvas, CatalogueOptions(), store, "/bench/memos.vlr");
    }
    state.counters["pages"] = PageCount(DrawnSteps(memoCount));
    state.counters["widths/row"] = Recording(memoCount).measuresPerRow;
}

// The whole command path: the catalogue to a temporary file, checked and
// put in place.
void BM_WritePdf(benchmark::State& state)
{
    const int memoCount = static_cast<int>(state.range(0));
    const TQuorvexDataAccessSystem& store = LoadedBenchDocument(memoCount);
    for (auto _ : state)
        WritePdf(OutputFile(), [&](TPrintCanvas& canvas) {
            PrintCatalogue(canvas, CatalogueOptions(), store, "/bench/memos.vlr");
        });
}

BENCHMARK(BM_DrawRows)->Apply(Sizes);
BENCHMARK(BM_PrintCatalogue)->Apply(Sizes);
BENCHMARK(BM_WritePdf)->Apply(Sizes);

}  // namespace

int main(int argc, char** argv)
{
    int qtArgc = 3;
    char name[] = "print_bench", option[] = "-platform", platform[] = "offscreen";
    char* qtArgv[] = {name, option, platform, nullptr};
    QGuiApplication app(qtArgc, qtArgv);
    const int status = RunWithRatios(argc, argv, {{"BM_PrintCatalogue", "BM_DrawRows"}, {"BM_WritePdf", "BM_DrawRows"}});
    std::filesystem::remove(OutputFile());
    return status;
}
