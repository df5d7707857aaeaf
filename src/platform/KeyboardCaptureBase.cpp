#include "platform/KeyboardCaptureBase.h"

#include <QCoreApplication>
#include <QEvent>
#include <QLoggingCategory>
#include <QPointer>
#include <QString>
#include <QWidget>

Q_LOGGING_CATEGORY(lcCapture, "corvane.capture", QtWarningMsg)

namespace {

void TraceLine(std::string_view line) {
    QString text = QString::fromUtf8(line.data(), static_cast<qsizetype>(line.size()));
    while (text.endsWith(u'\n') || text.endsWith(u'\r')) {
        text.chop(1);
    }
    qCDebug(lcCapture).noquote() << text;
}

}  // namespace

KeyboardCaptureBase::KeyboardCaptureBase(QObject* parent) : QObject(parent), trace_(TraceLine) {
    if (auto* app = QCoreApplication::instance()) {
        connect(app, &QCoreApplication::aboutToQuit, this, [this] { Release(false); });
    }
}

KeyboardCaptureBase::~KeyboardCaptureBase() {
    Q_ASSERT(!holder_);
}

bool KeyboardCaptureBase::Install(QWidget* target, LostFn onLost) {
    if (!target) {
        return false;
    }
    if (holder_ != target) {
        Release(true);
        holder_ = target;
        holderDestroyed_ = connect(target, &QObject::destroyed, this, [this] {
            // Its queued notices die with it; only the keyboard is left to free.
            onLost_ = nullptr;
            Release(false);
        });
        Watch(target);
    }
    onLost_ = std::move(onLost);
    return Capture();
}

void KeyboardCaptureBase::Remove(QWidget* target) {
    if (target && target == holder_) {
        Release(false);
    }
}

void KeyboardCaptureBase::Release(bool tellHolder) {
    if (!holder_) {
        return;
    }
    QWidget* former = holder_;
    LostFn lost = std::move(onLost_);
    onLost_ = nullptr;
    holder_ = nullptr;
    disconnect(holderDestroyed_);
    Unwatch(former);
    Uncapture();
    if (tellHolder && lost) {
        // Queued with the holder as context: dropped if the holder is destroyed first.
        QMetaObject::invokeMethod(former, std::move(lost), Qt::QueuedConnection);
    }
}

bool KeyboardCaptureBase::FilterKey(QEvent*) {
    return false;
}

bool KeyboardCaptureBase::eventFilter(QObject* watched, QEvent* event) {
    if (!holder_) {
        return false;
    }
    if (FilterKey(event)) {
        return true;
    }
    if (watched != holder_) {
        return false;
    }
    if (event->type() == QEvent::Hide) {
        Release(true);
    } else if (event->type() == QEvent::Show) {
        HolderShown();
    } else if (event->type() == QEvent::Close) {
        // A visible window is released by the hide that follows an accepted close; one
        // that was never shown has no hide to come.
        QPointer<QWidget> target = holder_;
        QMetaObject::invokeMethod(
            this,
            [this, target] {
                if (target && target == holder_ && !target->isVisible()) {
                    Release(true);
                }
            },
            Qt::QueuedConnection);
    }
    return false;
}
