#include "gui/app/cx_application.h"

#include "core/model/user_port.h"
#include "gui/app/form_main.h"
#include "gui/app/start_up.h"
#include "gui/app/wx_user_port.h"

cxApplication::cxApplication() : port_(std::make_unique<WxUserPort>()) {}

cxApplication::~cxApplication() {
    InstallUserPort(nullptr);
}

bool cxApplication::OnInit() {
    InstallUserPort(port_.get());
    SetTopWindow(StartToolkit());
    return true;
}
