#pragma once

#include <atomic>

// Lets another thread stop the file reading a parse worker does on this
// thread. While a scope lives, the parsers created or used on this thread
// look at its flag before every read and walk step; once the flag is set,
// reads deliver nothing and walks end at their next step, so a worker being
// destroyed never waits for a whole walk of a huge or hostile file.
class CancelScope
{
public:
    explicit CancelScope(const std::atomic<bool> &flag);
    ~CancelScope();
    CancelScope(const CancelScope &) = delete;
    CancelScope &operator=(const CancelScope &) = delete;

    // True once the flag of this thread's innermost scope is set.
    static bool requested();
    // True once this scope's own flag is set.
    bool isSet() const { return mFlag.load(std::memory_order_relaxed); }

private:
    const std::atomic<bool> &mFlag;
    const std::atomic<bool> *mOuter;
};
