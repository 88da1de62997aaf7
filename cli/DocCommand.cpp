#include "DocCommand.h"

#include "ArgumentList.h"
#include "DocSubcommands.h"
#include "Exceptions.h"
#include "UsageError.h"
#ifdef VELLORA_DOC_PDF
#include "PdfCommand.h"
#endif

#include <exception>

namespace {

struct Subcommand {
    const char* name;
    const char* synopsis;
    const char* summary;
    std::size_t minArgs;
    std::size_t maxArgs;
    std::set<std::string> flags;
    std::set<std::string> valueOptions;
    void (*run)(const ArgumentList&, CommandIo&);
};

constexpr std::size_t kUnlimited = static_cast<std::size_t>(-1);

const std::vector<Subcommand>& Subcommands()
{
    static const std::vector<Subcommand> table = {
        {"list", "list FILE", "メモのタイトルを行の順に 1 行ずつ表示します", 1, 1, {}, {}, ListCommand},
        {"show", "show FILE TITLE [--keywords]",
         "メモの本文を表示します (--keywords ではキーワードを 1 行ずつ表示します)", 2, 2, {"--keywords"}, {},
         ShowCommand},
        {"search", "search FILE KEYWORD...", "すべてのキーワードを持つメモのタイトルを行の順に表示します", 2,
         kUnlimited, {}, {}, SearchCommand},
        {"csv", "csv FILE [OUT]", "メモを CSV ファイル (シフト JIS) として OUT または標準出力に書き出します", 1, 2,
         {}, {}, CsvCommand},
        {"add", "add FILE TITLE [--keyword K]... < TEXT",
         "標準入力の本文でメモを追加するか、同じタイトルのメモを置き換えます (更新日は今日; FILE がなければ作成します)",
         2, 2, {}, {"--keyword"}, AddCommand},
        {"check", "check FILE", "文書を読み込み、表ごとに行数と列数を表示します", 1, 1, {}, {}, CheckCommand},
#ifdef VELLORA_DOC_PDF
        {"pdf", "pdf FILE OUT [--preview N] [--memo TITLE [--info]] [--font FAMILY[:POINTS]]",
         "メモの一覧 (--preview では本文の先頭 N 文字も) または --memo のメモ (--info ではその情報も) を"
         "印刷と同じ体裁で PDF ファイルに書き出します (A4 縦; 既定のフォントは ＭＳ Ｐゴシック 9 pt)",
         2, 2, {"--info"}, {"--preview", "--memo", "--font"}, PdfCommand},
#endif
    };
    return table;
}

const Subcommand& FindSubcommand(const std::string& name)
{
    for (const Subcommand& subcommand : Subcommands())
        if (name == subcommand.name)
            return subcommand;
    throw UsageError("不明なコマンドです: " + name);
}

void RequireArgumentCount(const Subcommand& subcommand, const ArgumentList& args)
{
    const std::size_t count = args.Positional().size();
    if (count < subcommand.minArgs || count > subcommand.maxArgs)
        throw UsageError(std::string("引数の数が正しくありません: vellora-doc ") + subcommand.synopsis);
}

void Run(const std::vector<std::string>& args, CommandIo& io)
{
    if (args.empty())
        throw UsageError("コマンドがありません");
    const Subcommand& subcommand = FindSubcommand(args[0]);
    const ArgumentList arguments(std::vector<std::string>(args.begin() + 1, args.end()), subcommand.flags,
                                 subcommand.valueOptions);
    RequireArgumentCount(subcommand, arguments);
    subcommand.run(arguments, io);
    if (!io.out.flush())
        throw Exception("出力に書き込めません");
}

int Fail(std::ostream& err, const std::string& message, int status)
{
    err << "vellora-doc: " << message << '\n';
    if (status == 2)
        err << "使い方は vellora-doc --help で表示できます\n";
    return status;
}

}  // namespace

std::string DocCommandHelp()
{
    std::string help = "使い方: vellora-doc コマンド 引数...\n\n文書ファイル (.vlr) のメモを扱います。\n\n";
    for (const Subcommand& subcommand : Subcommands())
        help += std::string("  vellora-doc ") + subcommand.synopsis + "\n      " + subcommand.summary + "\n";
    help +=
        "\n  vellora-doc --help\n      この説明を表示します\n\n"
        "引数と出力は UTF-8 です (CSV はシフト JIS のまま書き出します)。\n"
        "-- の後の引数は - で始まってもオプションとして扱いません。\n"
        "終了コード: 0 成功, 1 エラー, 2 コマンドラインの誤り\n";
    return help;
}

int RunDocCommand(const std::vector<std::string>& args, std::istream& in, std::ostream& out, std::ostream& err)
{
    if (AsksForHelp(args)) {
        out << DocCommandHelp();
        return out.flush() ? 0 : 1;
    }
    CommandIo io{in, out};
    try {
        Run(args, io);
        return 0;
    } catch (const UsageError& error) {
        return Fail(err, error.what(), 2);
    } catch (const std::exception& error) {
        return Fail(err, error.what(), 1);
    }
}
