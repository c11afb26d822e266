#include "ui/Application.h"
#include "ui/BrowserServices.h"
#include "ui/IpAddress.h"

int main(int argc, char** argv) {
    PrepareBrowserServices();
    TApplication application(argc, argv);
    auto* window = new TfmIpaddress();
    window->show();
    return application.exec();
}
