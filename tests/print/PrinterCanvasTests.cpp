#include "Exceptions.h"
#include "PdfOutput.h"
#include "PrinterCanvas.h"

#include <QFile>
#include <QFontInfo>
#include <QPrinter>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

TEST(PrinterCanvas, MeasuresInTheJapaneseFontAtThePrinterResolution)
{
    QTemporaryDir folder;
    QPrinter printer(QPrinter::HighResolution);
    SetUpPdfPrinter(printer, folder.filePath("a.pdf").toStdString());
    TPrinterCanvas canvas(printer);
    canvas.BeginDoc();
    EXPECT_EQ(canvas.PageNumber(), 1);
    // A4 less 15 mm margins, to within a millimetre (the printer works in points).
    EXPECT_NEAR(canvas.PageWidth(), 180 / 25.4 * printer.resolution(), printer.resolution() / 25.4);
    EXPECT_TRUE(QFontInfo(TPrinterCanvas::ToQFont(canvas.Font())).family().startsWith("IPA"));
    const int one = canvas.TextWidth("あ");
    EXPECT_GT(one, 100);  // 9 points at 1200 dots per inch: about 150
    EXPECT_EQ(canvas.TextWidth("ああ"), 2 * one);
    EXPECT_GT(canvas.TextHeight("X"), one);
    canvas.TextOut(0, 0, "あ");
    canvas.NewPage();
    EXPECT_EQ(canvas.PageNumber(), 2);
    canvas.EndDoc();
    EXPECT_FALSE(canvas.Aborted());
}

TEST(PrinterCanvas, RefusedStartAndAbortedJob)
{
    QPrinter nowhere(QPrinter::HighResolution);
    SetUpPdfPrinter(nowhere, "/nonexistent-folder/a.pdf");
    TPrinterCanvas refused(nowhere);
    EXPECT_THROW(refused.BeginDoc(), Exception);

    QTemporaryDir folder;
    QPrinter printer(QPrinter::HighResolution);
    SetUpPdfPrinter(printer, folder.filePath("b.pdf").toStdString());
    TPrinterCanvas canvas(printer);
    canvas.BeginDoc();
    canvas.TextOut(0, 0, "途中");
    canvas.Abort();
    EXPECT_TRUE(canvas.Aborted());
    EXPECT_FALSE(QFile::exists(folder.filePath("b.pdf")));
    EXPECT_THROW(canvas.TextOut(0, 0, "後"), Exception);
    EXPECT_THROW(canvas.EndDoc(), Exception);
}

}  // namespace
