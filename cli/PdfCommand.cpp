#include "PdfCommand.h"

#include "Cp932Codec.h"
#include "DocSubcommands.h"
#include "Exceptions.h"
#include "MemoDocument.h"
#include "PdfOutput.h"
#include "PrintLayout.h"
#include "UsageError.h"

#include <QCollator>
#include <QGuiApplication>
#include <QString>

#include <algorithm>
#include <charconv>
#include <filesystem>
#include <optional>

namespace {

// The only value of an option given at most once.
std::optional<std::string> OptionValue(const ArgumentList& args, const std::string& name)
{
    const std::vector<std::string> values = args.Values(name);
    if (values.size() > 1)
        throw UsageError(name + " は 1 回だけ指定できます");
    if (values.empty())
        return std::nullopt;
    return values[0];
}

int NumberArgument(const std::string& name, const std::string& text, int low, int high)
{
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || value < low || value > high)
        throw UsageError(name + " には " + std::to_string(low) + " から " + std::to_string(high) +
                         " までの整数を指定してください: " + text);
    return value;
}

// FAMILY or FAMILY:POINTS; without it, the design font.
TPrintFont FontArgument(const std::optional<std::string>& text)
{
    TPrintFont font;
    if (!text)
        return font;
    const std::size_t colon = text->rfind(':');
    font.Name = text->substr(0, colon);
    if (colon != std::string::npos)
        font.Points = NumberArgument("--font のポイント数", text->substr(colon + 1), 1, 1000);
    if (font.Name.empty())
        throw UsageError("--font にはフォント名を指定してください");
    return font;
}

// The keyword list as a memo window opened on the memo shows it: sorted
// in the locale's order with letter case ignored, equal ones in their
// stored order.
std::vector<std::string> WindowKeywordOrder(std::vector<std::string> keywords)
{
    QCollator collator;
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    auto toQString = [](const std::string& cp932) { return QString::fromStdString(Cp932ToUtf8(cp932)); };
    std::stable_sort(keywords.begin(), keywords.end(), [&](const std::string& a, const std::string& b) {
        return collator.compare(toQString(a), toQString(b)) < 0;
    });
    return keywords;
}

TPrintMemo MemoToPrint(const TQuorvexDataAccessSystem& store, const std::string& titleUtf8)
{
    if (titleUtf8.empty())
        throw UsageError("タイトルが空です");
    TPrintMemo memo;
    memo.Title = Utf8ToCp932(titleUtf8);
    if (FindMemoRow(store, memo.Title) < 0)
        throw Exception("メモ \"" + titleUtf8 + "\" はありません");
    const MemoRecord record = ReadMemo(store, memo.Title);
    memo.Caption = titleUtf8;
    memo.Keywords = WindowKeywordOrder(record.Keywords);
    memo.Text = record.Text;
    memo.Stored = true;
    return memo;
}

// Qt's notes about its environment (no runtime folder, no display) are
// not the command's business; its errors still go to the error output.
void KeepQtErrorsOnly(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (type == QtCriticalMsg || type == QtFatalMsg)
        qt_message_output(type, context, message);
}

// Fonts need a GUI application; the offscreen platform needs no display.
class GuiSession {
public:
    GuiSession()
    {
        if (QCoreApplication::instance())
            return;
        previousHandler_ = qInstallMessageHandler(KeepQtErrorsOnly);
        app_.emplace(argc_, argv_);
    }
    ~GuiSession()
    {
        if (app_) {
            app_.reset();
            qInstallMessageHandler(previousHandler_);
        }
    }
    GuiSession(const GuiSession&) = delete;
    GuiSession& operator=(const GuiSession&) = delete;

private:
    int argc_ = 3;
    char name_[12] = "vellora-doc";
    char option_[10] = "-platform";
    char platform_[10] = "offscreen";
    char* argv_[4] = {name_, option_, platform_, nullptr};
    QtMessageHandler previousHandler_ = nullptr;
    std::optional<QGuiApplication> app_;
};

}  // namespace

void PdfCommand(const ArgumentList& args, CommandIo&)
{
    const std::string& fileName = args.Positional(0);
    CheckOutputIsNotDocument(fileName, args.Positional(1));
    const std::optional<std::string> preview = OptionValue(args, "--preview");
    const std::optional<std::string> memoTitle = OptionValue(args, "--memo");
    if (args.HasFlag("--info") && !memoTitle)
        throw UsageError("--info は --memo と共に指定してください");
    if (preview && memoTitle)
        throw UsageError("--preview と --memo は同時に指定できません");

    TPrintOptions options;
    options.GeneralFont = FontArgument(OptionValue(args, "--font"));
    if (preview) {
        options.IncludeTextPreview = true;
        options.MaxLength = NumberArgument("--preview", *preview, 0, 1000);
    }
    options.IncludeMemoInfo = args.HasFlag("--info");

    TQuorvexDataAccessSystem store;
    store.LoadFromFile(fileName, DocumentKey);
    CheckMemoLayout(store, fileName);

    const GuiSession session;
    if (memoTitle) {
        options.Subject = TPrintSubject::Memo;
        const TPrintMemo memo = MemoToPrint(store, *memoTitle);
        WritePdf(args.Positional(1), [&](TPrintCanvas& canvas) { PrintMemo(canvas, options, store, memo); });
    } else {
        const std::string header = std::filesystem::absolute(fileName).lexically_normal().string();
        WritePdf(args.Positional(1),
                 [&](TPrintCanvas& canvas) { PrintCatalogue(canvas, options, store, header); });
    }
}
