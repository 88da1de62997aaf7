#include "PrintJob.h"

#include "RowFitter.h"

TPrintJob::TPrintJob(TPrintCanvas& canvas, std::string caption, std::function<void()> pageStarted)
    : canvas_(canvas), caption_(std::move(caption)), pageStarted_(std::move(pageStarted))
{
}

TPrintFont TPrintJob::HeaderFont()
{
    TPrintFont font;
    font.Bold = true;
    return font;
}

int TPrintJob::LineStep(int height)
{
    // In tenths, so that 1.3 is exact and a half is seen as one.
    const long long tenths = 13LL * height;
    long long step = tenths / 10;
    const long long rest = tenths % 10;
    if (rest > 5 || (rest == 5 && step % 2 != 0))
        ++step;
    return static_cast<int>(step);
}

void TPrintJob::PrintPageHeader()
{
    const TPrintFont kept = canvas_.Font();
    canvas_.SetFont(HeaderFont());
    canvas_.TextOut(0, 0, caption_ + " - " + std::to_string(canvas_.PageNumber()));
    currentY_ = 3 * canvas_.TextHeight("X");
    canvas_.SetFont(kept);
}

void TPrintJob::PrintWrapped(std::string_view text, int indent, const TPrintFont& font)
{
    canvas_.SetFont(font);
    const int step = LineStep(canvas_.TextHeight("X"));
    TRowFitter fitter(canvas_, canvas_.PageWidth() - indent);
    // Lines end at CR LF, CR or LF; a final line break starts no line.
    std::size_t pos = 0;
    while (pos < text.size()) {
        const std::size_t end = std::min(text.find_first_of("\r\n", pos), text.size());
        PrintLine(text.substr(pos, end - pos), fitter, indent, step);
        pos = end;
        if (pos < text.size())
            pos += text.compare(pos, 2, "\r\n") == 0 ? 2 : 1;
    }
}

void TPrintJob::PrintLine(std::string_view line, TRowFitter& fitter, int indent, int step)
{
    if (line.empty()) {
        canvas_.TextOut(indent, currentY_, line);
        EndRow(step);
        return;
    }
    while (!line.empty()) {
        const std::size_t length = fitter.FitRow(line);
        canvas_.TextOut(indent, currentY_, line.substr(0, length));
        EndRow(step);
        line.remove_prefix(length);
    }
}

void TPrintJob::EndRow(int step)
{
    currentY_ += step;
    if (currentY_ + step > canvas_.PageHeight()) {
        canvas_.NewPage();
        if (pageStarted_)
            pageStarted_();
        PrintPageHeader();
    }
}
