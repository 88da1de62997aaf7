#include "PdfOutput.h"

#include "Exceptions.h"
#include "FileIO.h"
#include "PrinterCanvas.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>
#include <QTemporaryFile>

void SetUpPdfPrinter(QPrinter& printer, const std::string& fileName)
{
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromStdString(fileName));
    printer.setCreator(QStringLiteral("Vellora"));
    printer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(15, 15, 15, 15),
                                      QPageLayout::Millimeter));
}

namespace {
// What the PDF writer leaves at the end of a complete file.
bool IsCompletePdf(const std::string& bytes)
{
    static const std::string end = "%%EOF";
    const std::size_t at = bytes.rfind(end);
    return bytes.compare(0, 5, "%PDF-") == 0 && at != std::string::npos && bytes.size() - at <= end.size() + 2;
}
}  // namespace

void WritePdf(const std::string& fileName, const std::function<void(TPrintCanvas&)>& print)
{
    // The printer writes without reporting failed writes, so its file is
    // checked whole before it is copied into place by the checked writer.
    QTemporaryFile temporary;
    if (!temporary.open())
        throw EFCreateError(temporary.fileTemplate().toStdString());
    temporary.close();
    const std::string draft = temporary.fileName().toStdString();
    {
        QPrinter printer(QPrinter::HighResolution);
        SetUpPdfPrinter(printer, draft);
        TPrinterCanvas canvas(printer);
        print(canvas);
        if (canvas.Aborted())
            throw Exception("印刷は中止されました。");
    }
    const std::string bytes = ReadWholeFile(draft);
    if (!IsCompletePdf(bytes))
        throw EFCreateError(fileName);
    WriteFileAtomically(fileName, bytes);
}
