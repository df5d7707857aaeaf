#include "app/CConfigApp.h"

int main(int argc, char** argv) {
    CConfigApp app(argc, argv);
    return app.Run();
}
