#include "skin/QtScrollTimer.h"

#include <QTimer>

void QtScrollTimer::Start(int id, int intervalMs) {
    QTimer*& t = timers_[id];
    if (t == nullptr) {
        t = new QTimer(this);
        connect(t, &QTimer::timeout, this, [this, id] { Fire(id); });
    }
    t->start(intervalMs);
}

void QtScrollTimer::Stop(int id) {
    auto it = timers_.find(id);
    if (it != timers_.end()) {
        it->second->stop();
    }
}
