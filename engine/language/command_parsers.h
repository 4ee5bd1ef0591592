// Argument parsers of the private commands, one per row of g_PrvCmndTable.
// Each returns the entry's arg (0 = bad arguments) and stores its data; a
// parser that rejects its arguments has freed what it allocated.
#ifndef TAMBLE_COMMAND_PARSERS_H
#define TAMBLE_COMMAND_PARSERS_H

#include "tamblecore.h"

namespace tb::parsers {

uint16_t TB_CALL endOfTable(const char *args, uintptr_t *data);
uint16_t TB_CALL noArguments(const char *args, uintptr_t *data);
uint16_t TB_CALL number(const char *args, uintptr_t *data);
uint16_t TB_CALL text(const char *args, uintptr_t *data);
uint16_t TB_CALL active(const char *args, uintptr_t *data);
uint16_t TB_CALL run(const char *args, uintptr_t *data);
uint16_t TB_CALL waitForWindow(const char *args, uintptr_t *data);
uint16_t TB_CALL repeat(const char *args, uintptr_t *data);
uint16_t TB_CALL onOff(const char *args, uintptr_t *data);
uint16_t TB_CALL event(const char *args, uintptr_t *data);
uint16_t TB_CALL waitForEvent(const char *args, uintptr_t *data);

} // namespace tb::parsers

#endif
