// Work over the positions 0 .. n - 1 shared out among threads in stretches
// that each thread takes in turn, every thread adding to results of its own
// that the caller adds up at the end. The calling thread works too and,
// between its stretches, asks whether to go on, so a long job keeps its
// progress and its stop on the thread of the windows.
#pragma once

#include <QtGlobal>

#include <functional>

namespace kz {

// The threads this computer runs at once; at least 1.
int AllCores();

// Does work(worker, first, last) for every stretch [first, last) of `stretch`
// positions (the last one shorter) on up to `threads` threads, never more
// threads than stretches. Each thread has its own worker number below
// `threads`; the calling thread is worker 0. Before each stretch it takes,
// the calling thread asks poll(done) with the positions done so far; false
// stops the work: every thread ends the stretch it is on and takes no other.
// True when every stretch was done, false when stopped.
bool RunInStretches(qint64 n, qint64 stretch, int threads,
                    const std::function<void(int worker, qint64 first, qint64 last)>& work,
                    const std::function<bool(qint64 done)>& poll);

}  // namespace kz
