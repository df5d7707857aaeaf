#pragma once

#include <QApplication>
#include <memory>

class SingleInstance;
class SkinPrefetch;
namespace platform {
class DesktopBusWarmUp;
}

// The application object: one instance per user folder, then the main window, run until it
// is destroyed.
class CConfigApp : public QApplication {
public:
    CConfigApp(int& argc, char** argv);
    ~CConfigApp() override;

    int Run();

private:
    bool InitInstance();
    void ExitInstance();

    std::unique_ptr<SingleInstance> instance_;
    std::unique_ptr<SkinPrefetch> prefetch_;
    std::unique_ptr<platform::DesktopBusWarmUp> bus_;
    bool secondInstance_ = false;
};
