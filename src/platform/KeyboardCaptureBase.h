#pragma once

#include <QObject>

#include "common/CaptureTrace.h"
#include "platform/KeyboardCapture.h"

class QEvent;

// Who holds the capture, shared by every platform so that the rules cannot drift apart: one
// holder at a time, a new holder releases the previous one and tells it, and the capture is
// let go on every path (Remove, hide, close, destruction, the program's end). A platform
// supplies how it watches the holder and how it takes and drops the system-wide capture.
class KeyboardCaptureBase : public QObject, public KeyboardCapture {
    Q_OBJECT
public:
    bool Install(QWidget* target, LostFn onLost = {}) final;
    void Remove(QWidget* target) final;
    QWidget* Holder() const final { return holder_; }

protected:
    explicit KeyboardCaptureBase(QObject* parent = nullptr);
    // A derived capture calls Release(false) in its own destructor: by the time this one
    // runs, its hooks are gone.
    ~KeyboardCaptureBase() override;

    // Lets go of the holder, then of the system-wide capture; a lost notice is queued to the
    // former holder when tellHolder is set and it gave one.
    void Release(bool tellHolder);
    const CaptureTrace& Trace() const { return trace_; }

    // A new holder: start seeing its events (the base's eventFilter must get them).
    virtual void Watch(QWidget* holder) = 0;
    virtual void Unwatch(QWidget* former) = 0;
    // Called on every Install, with the holder set; gives whether the system-wide capture is
    // in force. Traces the handle.
    virtual bool Capture() = 0;
    // Called once per release, after Unwatch; traces the handle and the outcome.
    virtual void Uncapture() = 0;
    // Before the holder's own events: true takes the event away (keys, shortcuts).
    virtual bool FilterKey(QEvent* event);
    virtual void HolderShown() {}

    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    CaptureTrace trace_;
    QWidget* holder_ = nullptr;  // cleared when it is destroyed
    LostFn onLost_;
    QMetaObject::Connection holderDestroyed_;
};
