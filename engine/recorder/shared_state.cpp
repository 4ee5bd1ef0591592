// The values the hook procedures need in every process they run in. On
// Windows they live in a section that all processes loading the library
// share; everything else of the library is private to each process.
#include "tamblecore.h"

#if defined(_WIN32)
// A shared section only holds initialised data, hence the explicit zeros.
#define TB_SHARED __attribute__((section(".tbshare"), shared))
#else
#define TB_SHARED
#endif

extern "C" {
TB_SHARED void *g_hKBHook = nullptr;
TB_SHARED void *g_hCWHook = nullptr;
TB_SHARED void *g_hWndMaster = nullptr;
TB_SHARED int g_bIgnoreKeys = 0;
TB_SHARED uint32_t g_dwHookProcess = 0;
TB_SHARED int g_bOtherBitnessHooked = 0;
}
