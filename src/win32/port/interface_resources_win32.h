#pragma once
#include "app/interface_resources.h"

class Win32InterfaceResources final : public IInterfaceResources {
public:
    void CreateMenuFont(CServiceWnd& service) override;
    void DeleteMenuFont(CServiceWnd& service) override;
    void LoadLanguage(CServiceWnd& service, int index) override;
    void FreeLanguage(CServiceWnd& service) override;
};
