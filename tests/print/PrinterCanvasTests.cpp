#include "Exceptions.h"
#include "PdfOutput.h"
#include "PrinterCanvas.h"

#include <QFile>
#include <QProcess>
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
    EXPECT_FALSE(QFile::exists(folder.filePath("b.pdf")));
    EXPECT_THROW(canvas.TextOut(0, 0, "後"), Exception);
    EXPECT_THROW(canvas.EndDoc(), Exception);
}

// The first page of a PDF as RGB pixels, at a low resolution.
QByteArray PagePixels(const QString& pdf)
{
    QProcess render;
    render.start(QStringLiteral("pdftoppm"), {QStringLiteral("-r"), QStringLiteral("30"), QStringLiteral("-l"),
                                             QStringLiteral("1"), pdf});
    render.waitForFinished();
    const QByteArray ppm = render.readAllStandardOutput();
    // "P6\nwidth height\n255\n", then the pixels.
    qsizetype start = 0;
    for (int line = 0; line < 3; ++line)
        start = ppm.indexOf('\n', start) + 1;
    return ppm.mid(start);
}

TEST(PrinterCanvas, ASecondJobOnThePrinterStartsInItsOwnColour)
{
    QTemporaryDir folder;
    QPrinter printer(QPrinter::HighResolution);
    SetUpPdfPrinter(printer, folder.filePath("red.pdf").toStdString());
    TPrintFont red;
    red.Color = 0xFF0000;
    TPrinterCanvas first(printer);
    first.BeginDoc();
    first.SetFont(red);
    first.TextOut(0, 0, "赤い文字");
    first.EndDoc();

    printer.setOutputFileName(folder.filePath("black.pdf"));
    TPrinterCanvas second(printer);
    second.BeginDoc();
    second.TextOut(0, 0, "黒い文字の見出し");
    second.EndDoc();

    const QByteArray pixels = PagePixels(folder.filePath("black.pdf"));
    ASSERT_GT(pixels.size(), 3000);
    int dark = 0;
    for (qsizetype i = 0; i + 2 < pixels.size(); i += 3) {
        const int r = static_cast<unsigned char>(pixels[i]), g = static_cast<unsigned char>(pixels[i + 1]);
        EXPECT_LT(r - g, 40) << "a coloured pixel at " << i / 3;
        if (r < 128)
            ++dark;
        if (r - g >= 40)
            break;
    }
    EXPECT_GT(dark, 0);  // the text is there, in black
}

}  // namespace
