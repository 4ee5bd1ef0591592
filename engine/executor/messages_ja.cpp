#include "executor/messages_ja.h"

namespace tb::ja {

const char kMessageBoxTitle[] = "メッセージ";
const char kCannotSwitchWithCode[] = "ウィンドウを切替できません %x";
const char kCannotSwitch[] = "ウィンドウを切替できません";
const char kWindowNotFound[] = "ウィンドウが見つかりません";
const char kProgramStartFailed[] = "プログラム起動に失敗 - %x";
const char kCauseUnknown[] = "原因不明 - %x";
const char kErrorOccurred[] = "%sでエラー発生。\n理由：%s";
const char kNoError[] = "エラーは発生していません。";

} // namespace tb::ja
