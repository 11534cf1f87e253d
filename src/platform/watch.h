// Waiting awake, for a condition another thread makes true within microseconds: a run hands
// its steps back and forth this way, sparing both threads a sleep and a wake-up per number.
#pragma once

#include <chrono>
#include <thread>

namespace kelvaro {

// Looks at the condition until it holds or the budget is spent, giving the core away between
// looks: on a busy machine the two threads may share one core, and spinning would then only
// keep the other thread from making the condition true. True if the condition held.
template <class Condition>
bool WatchFor(Condition holds, std::chrono::microseconds budget) {
    const auto until = std::chrono::steady_clock::now() + budget;
    while (!holds()) {
        if (std::chrono::steady_clock::now() >= until) {
            return false;
        }
        std::this_thread::yield();
    }
    return true;
}

}  // namespace kelvaro
