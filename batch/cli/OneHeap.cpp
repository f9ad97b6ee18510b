#include "batch/cli/OneHeap.h"

#include <cstdlib>  // says which C library this is

#if defined(__GLIBC__)
#include <malloc.h>
#endif

void UseOneHeap() {
#if defined(__GLIBC__)
  mallopt(M_ARENA_MAX, 1);
#endif
  // Elsewhere (the Windows build's C runtime) the threads share the
  // process heap already.
}
