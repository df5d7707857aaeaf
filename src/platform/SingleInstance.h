#pragma once

#include <QLocalServer>
#include <QLockFile>
#include <QObject>
#include <QString>
#include <memory>

// One Corvane per user folder. The lock file plays the mutex; its holder listens on a local
// socket of the same name, and a second process sends it message 1039 and ends.
class SingleInstance : public QObject {
    Q_OBJECT
public:
    // scope keeps instances of different user folders (other users, tests) apart.
    SingleInstance(const QString& mutexName, const QString& scope);
    ~SingleInstance() override;

    // True when this process is the first; otherwise 1039 has been sent to the first.
    bool Claim();
    const QString& ServerName() const { return name_; }

signals:
    void MessageReceived(quint32 number);

private:
    void OnConnection();
    bool NotifyFirst();

    QString name_;
    QLockFile lock_;
    std::unique_ptr<QLocalServer> server_;
};
