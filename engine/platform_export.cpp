// The exported way for tools and tests to put the library on another desktop.
#include "platform/platform.h"

#include "tamblecore.h"

extern "C" tb::Platform *TB_CALL TBSetPlatform(tb::Platform *services) {
  return tb::setPlatform(services);
}
