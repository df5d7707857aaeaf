// The scroll-bar timers on the event loop.
#pragma once

#include <QObject>
#include <map>

#include "skin/ScrollTimer.h"

class QTimer;

class QtScrollTimer : public QObject, public ScrollTimer {
    Q_OBJECT
public:
    explicit QtScrollTimer(QObject* parent = nullptr) : QObject(parent) {}
    void Start(int id, int intervalMs) override;
    void Stop(int id) override;

private:
    std::map<int, QTimer*> timers_;
};
