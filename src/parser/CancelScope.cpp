#include "CancelScope.h"

namespace {

thread_local const std::atomic<bool> *currentFlag = nullptr;

} // namespace

CancelScope::CancelScope(const std::atomic<bool> &flag)
    : mFlag(flag), mOuter(currentFlag)
{
    currentFlag = &flag;
}

CancelScope::~CancelScope()
{
    currentFlag = mOuter;
}

bool CancelScope::requested()
{
    return currentFlag && currentFlag->load(std::memory_order_relaxed);
}
