// The commands with their captions, shortcuts, hints and images, in the
// order of the main menu. Memo and keyword commands have images of their
// own (a yellow note, a tag), so that they are not taken for the document
// commands beside them.
#include "Commands.h"

const std::vector<TCommandEntry>& CommandTable()
{
    static const std::vector<TCommandEntry> table = {
        {"FileNew1", "新規作成(&N)", "Ctrl+Alt+N", "新規ファイルの作成", false, "document-new"},
        {"FileOpen1", "開く(&O)...", "Ctrl+Alt+O", "ファイルを開く", false, "document-open"},
        {"FileSave1", "上書き保存(&S)", "Ctrl+Alt+S", "現在のファイルを保存", false, "document-save"},
        {"FileSaveAs1", "名前をつけて保存(&A)...", "", "ファイルに別名をつけて保存", false, "document-save-as"},
        {"FilePrint", "印刷(&P)...", "Ctrl+P", "ファイル、及びメモの情報、内容を印刷", false, "document-print"},
        {"FileExportToCSVFile", "CSVファイル(&C)", "", ".vlrファイルをCSVファイルとして出力", false, "x-office-spreadsheet"},
        {"FileExit1", "終了(&X)", "", "アプリケーションの終了", false, "application-exit"},
        {"MemoNew", "新規メモ(&N)", "Ctrl+N", "新規メモの作成", false, "memo-new"},
        {"MemoOpen", "メモを開く(&O)", "Ctrl+O", "選択されているメモを開く", false, "memo-open"},
        {"MemoClose", "閉じる(&C)", "", "メモを閉じる", false, "memo-close"},
        {"MemoSave", "上書き保存(&S)", "Ctrl+S", "メモをファイルに保存", false, "memo-save"},
        {"MemoSaveAs", "名前を付けて保存(&A)...", "", "メモを別名でファイルに保存", false, "memo-save-as"},
        {"MemoDelete", "メモを削除(&D)", "Ctrl+Del", "選択されているメモを削除", false, "memo-delete"},
        {"MemoRename", "タイトル変更(&R)...", "", "メモのタイトルを変更", false, "memo-rename"},
        {"MemoWithFileSave", "保存の同期(&W)", "", "メモの保存と同時にファイルも保存", true, "memo-sync-save"},
        {"MemoImportFromTextFile", "テキストファイル(&T)...", "", "テキストファイルをメモとして開く", false, "memo-import"},
        {"MemoExportToTextFile", "テキストファイル(&T)...", "", "メモのテキストをテキストファイルとして出力", false, "memo-export"},
        {"KeywordNew", "新規キーワード(&N)", "Ctrl+W", "メモに新たなキーワードを登録", false, "keyword-new"},
        {"KeywordPaste", "キーワードに貼り付け(&P)", "Ctrl+E", "クリップボードからキーワードを登録", false, "keyword-paste"},
        {"KeywordDelete", "削除(&D)", "Shift+Del", "選択されたキーワードを削除", false, "keyword-delete"},
        {"EditSendKeyWord", "選択範囲をキーワードに追加(&K)", "Ctrl+K", "選択範囲をキーワードに追加", false, "keyword-from-selection"},
        {"EditUndo1", "元に戻す(&U)", "Ctrl+Z", "元に戻す", false, "edit-undo"},
        {"EditCut1", "切り取り(&T)", "Ctrl+X", "切り取り", false, "edit-cut"},
        {"EditCopy1", "コピー(&C)", "Ctrl+C", "コピー", false, "edit-copy"},
        {"EditPaste1", "貼り付け(&P)", "Ctrl+V", "貼り付け", false, "edit-paste"},
        {"EditDelete1", "削除(&D)", "Del", "削除", false, "edit-delete"},
        {"EditSelectAll1", "すべて選択(&A)", "Ctrl+A", "すべて選択", false, "edit-select-all"},
        {"ViewManager", "ファイルマネージャ(&M)", "Ctrl+M", "ファイルマネージャの表示", true, "view-manager"},
        {"ViewToolBar", "ツールバー(&T)", "", "ツールボタンの表示", true, "view-toolbar"},
        {"ViewStatusBar", "ステータスバー(&S)", "", "ステータスバーの表示", true, "view-statusbar"},
        {"ViewHint", "ヒント(&H)", "", "ヒントの表示", true, "view-hint"},
        {"ViewFont", "エディタのフォント(&F)...", "", "エディタのフォントを設定", false, "preferences-desktop-font"},
        {"WindowCascade1", "重ねて表示(&C)", "", "重ねて表示", false, "window-cascade"},
        {"WindowTileHorizontal1", "上下に並べて表示(&H)", "", "上下に並べて表示", false, "window-tile-horizontal"},
        {"WindowTileVertical1", "左右に並べて表示(&V)", "", "左右に並べて表示", false, "window-tile-vertical"},
        {"WindowMinimizeAll1", "すべてを最小化(&M)", "", "すべてを最小化", false, "window-minimize-all"},
        {"WindowArrangeAll1", "アイコンの整列(&A)", "", "アイコンの整列", false, "window-arrange-icons"},
        {"HelpHelp", "ヘルプ(&H)", "F1", "ヘルプを表示", false, "help-contents"},
        {"HelpAbout1", "バージョン情報(&A)...", "", "バージョン情報|バージョンなど固有情報を表示", false, "help-about"},
    };
    return table;
}
