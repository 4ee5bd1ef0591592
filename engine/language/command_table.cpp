// The private commands: name, code (= row) and argument parser, in the order
// the programs rely on.
#include "language/command_parsers.h"

using namespace tb::parsers;

extern "C" const ST_PCOMMAND g_PrvCmndTable[TB_CMD_COUNT] = {
    {"*end*", TB_CMD_END, endOfTable},
    {"Active", TB_CMD_ACTIVE, active},
    {"Wait", TB_CMD_WAIT, number},
    {"Desc", TB_CMD_DESC, text},
    {"OnError", TB_CMD_ONERROR, noArguments},
    {"Stop", TB_CMD_STOP, noArguments},
    {"End", TB_CMD_ENDBLOCK, noArguments},
    {"MsgBox", TB_CMD_MSGBOX, text},
    {"Resume", TB_CMD_RESUME, noArguments},
    {"Interval", TB_CMD_INTERVAL, number},
    {"Run", TB_CMD_RUN, run},
    {"WaitForWindow", TB_CMD_WAITFORWINDOW, waitForWindow},
    {"Repeat", TB_CMD_REPEAT, repeat},
    {"Rend", TB_CMD_REND, noArguments},
    {"NumLock", TB_CMD_NUMLOCK, onOff},
    {"CapsLock", TB_CMD_CAPSLOCK, onOff},
    {"ScrollLock", TB_CMD_SCROLLLOCK, onOff},
    {"Copy", TB_CMD_COPY, text},
    {"Event", TB_CMD_EVENT, event},
    {"WaitForEvent", TB_CMD_WAITFOREVENT, waitForEvent},
};
