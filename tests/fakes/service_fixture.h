#pragma once
// The whole service over fakes of every port, for the tests that run it through its handlers.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "app/clip_formats.h"
#include "fakes/fake_service_ports.h"

constexpr WindowHandle kFrame{0x500};
using Posted = std::vector<std::pair<uintptr_t, intptr_t>>;

class ServiceFixture : public ::testing::Test, protected FakeServicePorts {
protected:
    CServiceWnd service{Ports(), 1024, clock.tick};

    void SetUp() override { window.service = &service; }
    void TearDown() override { g_cfRtf = g_cfHtml = g_cfFileName = g_cfDropEffect = 0; }

    // The formats the Win32 runtime registers before the service starts.
    void RegisterFormats() {
        g_cfRtf = clipboard.RegisterFormat(CF_NAME_RTF);
        g_cfHtml = clipboard.RegisterFormat(CF_NAME_HTML);
        g_cfFileName = clipboard.RegisterFormat(CF_NAME_FILENAME);
        g_cfDropEffect = clipboard.RegisterFormat(CF_NAME_DROPEFFECT);
    }
    // The active collection's texts, first to last.
    std::vector<std::string> ActiveTexts() const {
        std::vector<std::string> out;
        for (const auto& item : service.m_activeList)
            out.push_back(item->text);
        return out;
    }
    CClipItem* AddActive(const std::string& text) {
        service.m_activeList.push_back(CClipItem::FromText(text));
        return service.m_activeList.back().get();
    }
    // The posted commands, in the order the message loop would deliver them.
    void DeliverPosted() {
        for (size_t i = 0; i < window.posted.size(); ++i)
            service.OnCommand(window.posted[i].first, window.posted[i].second);
        window.posted.clear();
    }
};
