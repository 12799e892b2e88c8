#include "ocilite/engine/large_stack.h"

#include <exception>

#include <pthread.h>

namespace ocilite {
namespace {

struct Work {
    const std::function<void()> *body;
    std::exception_ptr thrown;
};

void *run(void *arg) {
    auto *work = static_cast<Work *>(arg);
    try {
        (*work->body)();
    } catch (...) {
        work->thrown = std::current_exception();
    }
    return nullptr;
}

} // namespace

void runOnLargeStack(const std::function<void()> &body) {
    Work work{&body, nullptr};
    pthread_attr_t attr;
    pthread_t thread;
    bool started = pthread_attr_init(&attr) == 0;
    started = started && pthread_attr_setstacksize(&attr, kLargeStackBytes) == 0 &&
              pthread_create(&thread, &attr, run, &work) == 0;
    pthread_attr_destroy(&attr);
    if (started)
        pthread_join(thread, nullptr);
    else
        run(&work);
    if (work.thrown)
        std::rethrow_exception(work.thrown);
}

} // namespace ocilite
