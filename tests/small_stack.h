// Runs work on a thread with a small stack, as the host's thread may have:
// anything that recurses with the depth of a mesh structure overflows it.
#pragma once

#include <functional>

#include <pthread.h>

namespace vexil_test {

constexpr size_t kHostStack = 1 << 20;  // as little as the host may give us
constexpr size_t kTightStack = 256 << 10;

// Runs `work` to its end on a new thread with `stackBytes` of stack; false
// when no such thread could be started.
inline bool OnSmallStack(const std::function<void()> &work, size_t stackBytes = kHostStack) {
    pthread_attr_t attributes;
    pthread_attr_init(&attributes);
    pthread_attr_setstacksize(&attributes, stackBytes);
    pthread_t thread;
    auto run = [](void *argument) -> void * {
        (*static_cast<const std::function<void()> *>(argument))();
        return nullptr;
    };
    bool started = pthread_create(&thread, &attributes, run, const_cast<std::function<void()> *>(&work)) == 0;
    if (started) pthread_join(thread, nullptr);
    pthread_attr_destroy(&attributes);
    return started;
}

}  // namespace vexil_test
