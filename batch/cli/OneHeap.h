#pragma once

// The exact odds hold their memory budget for the whole process: threads
// that compute side by side share it, and a computation that the others
// left too little runs again alone. Where the C library keeps a heap per
// thread, what one thread gave back stays in its heap, out of reach of the
// others, and the process would hold up to the budget once per thread.
// Called first thing, this makes every thread allocate from one heap.
void UseOneHeap();
