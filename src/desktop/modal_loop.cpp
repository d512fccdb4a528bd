#include "desktop/modal_loop.h"

#include <QMetaObject>
#include <QObject>
#include <QPointer>

#include <utility>
#include <vector>

namespace orbetta::desktop {

namespace {

int depth = 0;

struct Waiting {
    QPointer<QObject> context;
    std::function<void()> action;
};

std::vector<Waiting>& waiting() {
    static std::vector<Waiting> list;
    return list;
}

} // namespace

ModalLoop::ModalLoop() {
    ++depth;
}

ModalLoop::~ModalLoop() {
    if (--depth > 0)
        return;
    // Queued, so that they run after the handler that opened the loop has returned; a loop opened meanwhile
    // makes them wait again.
    for (Waiting& w : std::exchange(waiting(), {})) {
        if (!w.context)
            continue;
        QObject* context = w.context;
        QMetaObject::invokeMethod(
            context, [context, action = std::move(w.action)] { whenNoneRunning(context, action); },
            Qt::QueuedConnection);
    }
}

bool ModalLoop::running() {
    return depth > 0;
}

void ModalLoop::whenNoneRunning(QObject* context, std::function<void()> action) {
    if (depth == 0)
        action();
    else
        waiting().push_back({context, std::move(action)});
}

} // namespace orbetta::desktop
