// Only the sample macros here: the build compiles a copy with their names
// in code page 932 (tamble_cp932_sources).
#include "first_run_setup.h"

namespace tb {

const char kSampleFolderName[] = "サンプル";

// Each content is written as it stands: no line break, and "\\n" is the two
// characters of the message keyword.
const SampleMacro kSampleMacros[kSampleCount] = {
    {"Windows のヘルプを表示", "{LWin-down}{F1}{LWin-up}"},
    {"コンピュータの検索", "^({LWin-down}f{LWin-up})"},
    {"シャットダウン", "{LWin}<Active \"Shell_TrayWnd\",\"\">{Up}{Enter 2}"},
    {"すべて最小化を戻す", "+({LWin-down}m{LWin-up})"},
    {"デスクトップの表示", "{LWin-down}d{LWin-up}"},
    {"ファイルまたはフォルダの検索", "{LWin-down}f{LWin-up}"},
    {"ファイル名を指定して実行", "{LWin-down}r{LWin-up}"},
    {"マイ コンピュータを開く", "{LWin-down}e{LWin-up}"},
    {"全ウィンドウを最小化", "{LWin-down}m{LWin-up}"},
    {"インターネット", "{Browser_Home}"},
    {"ありがとう", "<OnError><MsgBox \"&Date &Time\\n&Err\"><Stop><End><Run \"notepad.exe\",WAIT>"
                   "<Active \"Notepad\",\"\">Thank{ }you{ }!{ }Thank{ }you{ }!"},
};

} // namespace tb
