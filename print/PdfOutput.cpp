#include "PdfOutput.h"

#include "PdfDraft.h"
#include "PrinterCanvas.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>

void SetUpPdfPrinter(QPrinter& printer, const std::string& fileName)
{
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromStdString(fileName));
    printer.setCreator(QStringLiteral("Vellora"));
    printer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(15, 15, 15, 15),
                                      QPageLayout::Millimeter));
}

void WritePdf(const std::string& fileName, const std::function<void(TPrintCanvas&)>& print)
{
    QPrinter printer(QPrinter::HighResolution);
    SetUpPdfPrinter(printer, fileName);
    TPdfDraft draft(printer);
    {
        TPrinterCanvas canvas(printer);
        print(canvas);
    }
    draft.Commit();
}
