// The vocabulary of the key language, exported for the programs: key names by
// virtual-key code, the pad-key substitutes, the message keywords, the
// characters the recorder braces and the wildcard markers of window patterns.
#include "tamblecore.h"

extern "C" {

// Names of one byte are typed as characters; longer ones are braced names.
const char *const g_KeyTable[256] = {
    "",
    "LButton",
    "RButton",
    "Break",
    "MButton",
    "XButton1",
    "XButton2",
    "", // 0
    "Backspace",
    "Tab",
    "",
    "",
    "Clear",
    "Enter",
    "",
    "", // 8
    "+",
    "^",
    "%",
    "Pause",
    "CapsLock",
    "Kana",
    "",
    "Junja", // 16
    "Final",
    "Kanji",
    "",
    "Escape",
    "Convert",
    "NonConvert",
    "Accept",
    "ModeChange", // 24
    " ",
    "PgUp",
    "PgDn",
    "End",
    "Home",
    "Left",
    "Up",
    "Right", // 32
    "Down",
    "Select",
    "Print",
    "Execute",
    "Prtsc",
    "Insert",
    "Delete",
    "Help", // 40
    "0",
    "1",
    "2",
    "3",
    "4",
    "5",
    "6",
    "7", // 48
    "8",
    "9",
    "",
    "",
    "",
    "",
    "",
    "", // 56
    "",
    "A",
    "B",
    "C",
    "D",
    "E",
    "F",
    "G", // 64
    "H",
    "I",
    "J",
    "K",
    "L",
    "M",
    "N",
    "O", // 72
    "P",
    "Q",
    "R",
    "S",
    "T",
    "U",
    "V",
    "W", // 80
    "X",
    "Y",
    "Z",
    "LWin",
    "RWin",
    "Apps",
    "",
    "Sleep", // 88
    "Num_0",
    "Num_1",
    "Num_2",
    "Num_3",
    "Num_4",
    "Num_5",
    "Num_6",
    "Num_7", // 96
    "Num_8",
    "Num_9",
    "Num_*",
    "Num_+",
    ".",
    "Num_-",
    ".",
    "Num_/", // 104
    "F1",
    "F2",
    "F3",
    "F4",
    "F5",
    "F6",
    "F7",
    "F8", // 112
    "F9",
    "F10",
    "F11",
    "F12",
    "F13",
    "F14",
    "F15",
    "F16", // 120
    "F17",
    "F18",
    "F19",
    "F20",
    "F21",
    "F22",
    "F23",
    "F24", // 128
    "",
    "",
    "",
    "",
    "",
    "",
    "",
    "", // 136
    "NumLock",
    "ScrollLock",
    "",
    "",
    "",
    "",
    "",
    "", // 144
    "",
    "",
    "",
    "",
    "",
    "",
    "",
    "", // 152
    "LShift",
    "RShift",
    "LControl",
    "RControl",
    "LMenu",
    "RMenu",
    "Browser_Back",
    "Browser_Forward", // 160
    "Browser_Refresh",
    "Browser_Stop",
    "Browser_Search",
    "Browser_Favorites",
    "Browser_Home",
    "Volume_Mute",
    "Volume_Down",
    "Volume_Up", // 168
    "Media_Next_Track",
    "Media_Prev_Track",
    "Media_Stop",
    "Media_Play_Pause",
    "Launch_Mail",
    "Launch_Media_Select",
    "Launch_App1",
    "Launch_App2", // 176
    "",
    "",
    ";",
    "=",
    ",",
    "-",
    ".",
    "/", // 184
    "`",
    "",
    "",
    "",
    "",
    "",
    "",
    "", // 192
    "",
    "",
    "",
    "",
    "",
    "",
    "",
    "", // 200
    "",
    "",
    "",
    "",
    "",
    "",
    "",
    "", // 208
    "",
    "",
    "",
    "[",
    "\\",
    "]",
    "'",
    "OEM_8", // 216
    "OEM_E0",
    "OEM_E1",
    "OEM_E2",
    "OEM_E3",
    "OEM_E4",
    "ProcessKey",
    "OEM_E6",
    "Packet", // 224
    "OEM_E8",
    "OEM_E9",
    "OEM_EA",
    "OEM_EB",
    "OEM_EC",
    "OEM_ED",
    "OEM_EE",
    "OEM_EF", // 232
    "OEM_F0",
    "OEM_F1",
    "OEM_F2",
    "OEM_F3",
    "OEM_F4",
    "OEM_F5",
    "Attn",
    "Crsel", // 240
    "Exsel",
    "Ereof",
    "Play",
    "Zoom",
    "Noname",
    "PA1",
    "Clear",
    "", // 248
};

// Read by position: row = pad key code - 96. The Delete substitute stands at
// 108; 110 has none.
const ST_PAD g_PadTable[16] = {
    {96, 45},  {97, 35},  {98, 40}, {99, 34}, {100, 37}, {101, 0}, {102, 39}, {103, 36},
    {104, 38}, {105, 33}, {106, 0}, {107, 0}, {108, 46}, {109, 0}, {110, 0},  {111, 0},
};

const char *const g_MsgConst_Table[6] = {"&Err",  "&Err.Name", "&Err.Cause",
                                         "&Date", "&Time",     nullptr};

const char g_szCharsSpc[12] = " %^+{}()~<>";

const char g_szWildCard_str[3] = "*/";
const char g_szWildCard_end[3] = "/*";

} // extern "C"
