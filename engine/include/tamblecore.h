// Public interface of Tamblecore, the macro engine shared by Tamble and
// Tamblewiz: the exported functions, the exported data and the record types
// whose layout crosses the library boundary.
//
// Memory that crosses the boundary (key tables and their data blocks, the key
// stack, the execution log arrays) lives on the process heap: allocate it with
// HeapAlloc(GetProcessHeap(), HEAP_ZERO_MEMORY, n) and release it with
// HeapFree. Key tables are released only through TBFreeKeyTable. The key
// stack g_lpKeyStack is allocated by the program and replaced by the recorder
// (a new process-heap block) when it needs room, so the program frees
// whatever block the pointer holds when it is done.
#ifndef TAMBLECORE_H
#define TAMBLECORE_H

#include <stddef.h>
#include <stdint.h>

#if defined(_WIN32)
#define TB_CALL __cdecl // every exported function uses the C convention
#if defined(TAMBLECORE_BUILD) || defined(TAMBLECORE_STATIC)
#define TB_DATA extern
#else
#define TB_DATA extern __declspec(dllimport)
#endif
#else
#define TB_CALL
#define TB_DATA extern
#endif

#ifdef __cplusplus
extern "C" {
#endif

// Key-table entry codes.
enum {
  TB_CODE_END = 0,
  TB_CODE_KEYDOWN = 256,    // WM_KEYDOWN
  TB_CODE_KEYUP = 257,      // WM_KEYUP
  TB_CODE_SYSKEYDOWN = 260, // WM_SYSKEYDOWN
  TB_CODE_SYSKEYUP = 261    // WM_SYSKEYUP
};

// Private-command codes: the row of g_PrvCmndTable.
enum {
  TB_CMD_END = 0,
  TB_CMD_ACTIVE = 1,
  TB_CMD_WAIT = 2,
  TB_CMD_DESC = 3,
  TB_CMD_ONERROR = 4,
  TB_CMD_STOP = 5,
  TB_CMD_ENDBLOCK = 6,
  TB_CMD_MSGBOX = 7,
  TB_CMD_RESUME = 8,
  TB_CMD_INTERVAL = 9,
  TB_CMD_RUN = 10,
  TB_CMD_WAITFORWINDOW = 11,
  TB_CMD_REPEAT = 12,
  TB_CMD_REND = 13,
  TB_CMD_NUMLOCK = 14,
  TB_CMD_CAPSLOCK = 15,
  TB_CMD_SCROLLLOCK = 16,
  TB_CMD_COPY = 17,
  TB_CMD_EVENT = 18,
  TB_CMD_WAITFOREVENT = 19,
  TB_CMD_COUNT = 20
};

// Wildcard-marker bits in the high byte of an Active/WaitForWindow entry's arg.
enum {
  TB_MARK_CLASS_ENDS = 0x01,   // class pattern had a leading "*/"
  TB_MARK_CLASS_BEGINS = 0x02, // class pattern had a trailing "/*"
  TB_MARK_TITLE_ENDS = 0x04,
  TB_MARK_TITLE_BEGINS = 0x08
};

// Flag in the high byte of a Run entry's arg: wait for the new process.
enum { TB_RUN_WAIT = 0x01 };

// One key-table entry. The data word holds a pointer for several commands,
// so it is pointer-sized: 8 bytes per entry in 32-bit builds, 16 in 64-bit.
typedef struct ST_KEYENTRY {
  uint16_t code;  // 0 end, 1..19 command, 256/257/260/261 key event
  uint16_t arg;   // key code, or command result (low byte: status, high: flags)
  uintptr_t data; // command data: number, name bytes or heap block
} ST_KEYENTRY;

// Initial capacity of a key table and of the execution log, and their growth.
enum { TB_TABLE_STEP = 4096 };

// Numeric-pad key and the navigation key the recorder writes for it.
typedef struct ST_PAD {
  uint8_t padKey;
  uint8_t substitute; // 0 = none
} ST_PAD;

// Argument parser of a private command: returns 0 for bad arguments.
typedef uint16_t(TB_CALL *TB_ARGPARSER)(const char *args, uintptr_t *data);

typedef struct ST_PCOMMAND {
  const char *name;
  uint16_t code;
  TB_ARGPARSER parser;
} ST_PCOMMAND;

// Data block of WaitForWindow: time-out, then "class\0title\0".
typedef struct ST_WAITWND {
  int32_t timeout; // seconds, 0 when not given
  char patterns[1];
} ST_WAITWND;

// Event condition codes (low 4 bits of a kind; the hold time in seconds is
// the kind divided by 16).
enum {
  TB_COND_NONE = 0,
  TB_COND_QUICK = 1,
  TB_COND_SECONDS = 2,
  TB_COND_TIMEOFDAY = 3,
  TB_COND_LOAD_ABOVE = 6,
  TB_COND_LOAD_BELOW = 7
};

// One event definition; also the data block of an Event entry.
typedef struct ST_EVENT {
  char name[4];          // upper case, zero-padded
  struct ST_EVENT *next; // link of the execution record's event list
  uint32_t timer;        // tick at which the current phase began; 0 = none
  uint16_t startKind;
  uint16_t atKind;
  uint32_t startValue;
  uint32_t atValue;
  uint8_t state;       // 0..4
  uint8_t taskManager; // 1 when the library started the task manager
} ST_EVENT;

// The caller's step record, kept between the calls of one playback.
enum { TB_STEP_INTERVAL = 1, TB_STEP_WAIT = 2 };
typedef struct ST_EXECSTEP {
  uint8_t flags;
  int32_t interval;   // new interval, milliseconds
  int32_t wait;       // one-time wait, milliseconds
  uint32_t waitStart; // tick at which a window wait began; 0 = none
} ST_EXECSTEP;

// The execution record behind g_pCmdExeInfo.
typedef struct tagCMDEXEINFO {
  int nLogCount;
  ST_KEYENTRY *pLogEntries; // g_nMaxCmndSize elements
  uint32_t *pLogTicks;      // g_nMaxCmndSize elements
  ST_KEYENTRY *pResume;     // while in error: the entry after the failed one
  ST_KEYENTRY *pHandler;    // the OnError entry, or null
  ST_KEYENTRY *pRepeatStart;
  int nRepeatLeft; // -1 = endless
  int bInError;
  ST_EVENT *pEventList;
} CMDEXEINFO;

// Analyses a key-language text into a new key table. On a syntax error
// returns null and stores the 1-based byte position in *errorPos.
// It empties the execution record's event list, which a playback reads:
// callers never analyse while a playback runs (stop it and wait first).
ST_KEYENTRY *TB_CALL TBAnalyzeSendKey(const char *text, int *errorPos);

// Releases a key table and its data blocks (table may be null), and empties
// the event list of the execution record (the same rule as for analysis).
int TB_CALL TBFreeKeyTable(ST_KEYENTRY *table);

// Writes the trace-log texts of one entry: opText needs 16 bytes, keyText
// keyTextMax bytes.
int TB_CALL TBDecodeTable(const ST_KEYENTRY *entry, char *opText, char *keyText, int keyTextMax);

// Executes one entry of a playback and returns the entry to execute next, or
// null when the playback is over. *table is the caller's table variable: the
// executor frees the table at its end entry and at Stop, and sets it to null.
ST_KEYENTRY *TB_CALL TBExecuteSendKey(ST_KEYENTRY **table, ST_KEYENTRY *current, ST_EXECSTEP *step);

// Injects one key event, with its scan code and, when the key's byte in
// g_pchKeyExtend has bit 7 set, the extended-key flag.
void TB_CALL PostVirtualKeyEvent(int virtualKey, int up);

// Resets the recorder for a new recording: no keys pending, no groups open,
// the whole key stack zero-filled, the character map taken afresh from the
// current keyboard layout.
void TB_CALL Initial_Record_Keyboard_Event(void);

// Appends the key-language text of one key notice (message 0x807B) to the
// key stack. wParam: key-state bits (TB_KEYSTATE_*) in bits 16-20, the
// virtual-key code in bits 0-7; lParam: the keystroke flags (bit 24 extended
// key, bit 31 release). Sends 0x807C before and 0x807D after every append to
// g_hWndMaster. The result carries no meaning.
int TB_CALL Record_Keyboard_Event(uintptr_t wParam, intptr_t lParam);

// Notices to the master window g_hWndMaster.
enum {
  TB_MSG_KEY = 0x807B,           // posted by the keyboard hook: wParam key code, lParam flags
  TB_MSG_TEXT_CHANGING = 0x807C, // sent by the recorder before an append: wParam 1
  TB_MSG_TEXT_CHANGED = 0x807D,  // sent after it: wParam 1 (0: no room), lParam the length
  TB_MSG_WINDOW = 0x807E         // sent or posted by the call-window hook: wParam the window
};

// Key-state bits of a key notice (bits 16-20 of its wParam, shifted down).
enum {
  TB_KEYSTATE_CAPSLOCK = 0x01, // toggled on
  TB_KEYSTATE_SHIFT = 0x02,    // down
  TB_KEYSTATE_NUMLOCK = 0x04,  // toggled on
  TB_KEYSTATE_ALT = 0x08,      // down
  TB_KEYSTATE_CTRL = 0x10      // down
};

// The key stack grows in steps of this size.
enum { TB_KEYSTACK_STEP = 8192 };

#if defined(_WIN32)
// The system's hook-procedure types, spelled as <windows.h> spells them.
#if defined(_WIN64)
typedef long long TB_LRESULT;
typedef unsigned long long TB_WPARAM;
#else
typedef long TB_LRESULT;
typedef unsigned int TB_WPARAM;
#endif
typedef TB_LRESULT TB_LPARAM;

// Hook procedures, with the system's calling convention. Install them with
// the procedure from GetProcAddress of the loaded library (never through an
// import thunk) and the library's module handle: KeyboardProc as
// WH_KEYBOARD, CallWndProc as WH_CALLWNDPROC. They forward notices to
// g_hWndMaster, never swallow a key and never wait for the master window.
TB_LRESULT __stdcall KeyboardProc(int code, TB_WPARAM wParam, TB_LPARAM lParam);
TB_LRESULT __stdcall CallWndProc(int code, TB_WPARAM wParam, TB_LPARAM lParam);
#endif

// Exported tables.
TB_DATA const char *const g_KeyTable[256];
TB_DATA const ST_PAD g_PadTable[16];
TB_DATA const ST_PCOMMAND g_PrvCmndTable[TB_CMD_COUNT];
TB_DATA const char *const g_MsgConst_Table[6];
TB_DATA const char g_szCharsSpc[12];
TB_DATA const char g_szWildCard_str[3];
TB_DATA const char g_szWildCard_end[3];

// Exported state.
TB_DATA CMDEXEINFO *g_pCmdExeInfo;     // allocated by the program that plays
TB_DATA int g_nMaxCmndSize;            // capacity of both execution logs
TB_DATA unsigned char *g_pchKeyExtend; // 256 bytes; bit 7: extended key
TB_DATA char *g_lpKeyStack;            // the recorded text, NUL-terminated
TB_DATA int g_nKeyStackLeng;           // size of the g_lpKeyStack block in bytes

// One instance for every process that has the library loaded, all 0 at
// load: the hook procedures read them in the processes they run in.
TB_DATA void *g_hKBHook;    // HHOOK of the WH_KEYBOARD hook, or null
TB_DATA void *g_hCWHook;    // HHOOK of the WH_CALLWNDPROC hook, or null
TB_DATA void *g_hWndMaster; // HWND that receives every notice
TB_DATA int g_bIgnoreKeys;  // non-zero: the keyboard hook forwards no keys
// A library of one bitness cannot be loaded into programs of the other: on
// 64-bit Windows the system runs the hook for them in the process that set
// it, on the thread that set it, where the thread's own key state says
// nothing of the typist's. These two let the procedures tell such calls.
TB_DATA uint32_t g_dwHookProcess;  // id of the process that set the hooks
TB_DATA int g_bOtherBitnessHooked; // non-zero: that process hears the keys and
                                   // windows of those programs another way,
                                   // so calls passed over for them are dropped

#ifdef __cplusplus
}
#endif

#if defined(__cplusplus) && defined(_WIN32) && !defined(_WIN64)
static_assert(sizeof(ST_KEYENTRY) == 8, "a 32-bit key entry is 8 bytes");
static_assert(offsetof(ST_KEYENTRY, data) == 4, "data follows code and arg");
#endif
#if defined(__cplusplus)
static_assert(sizeof(ST_KEYENTRY) == 2 * sizeof(uintptr_t),
              "a key entry is two pointer-sized words");
#endif

#endif
