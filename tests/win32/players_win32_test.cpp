// The players' engines as the system runs them: MCI and DirectShow on generated wave files
// (the Schedule dialog's controls are proven on the user's road by the end-to-end script).
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <vector>

#include "player/players.h"
#include "port/clock_win32.h"
#include "port/com_scope.h"
#include "port/media_engine_dshow.h"
#include "port/play_engines_win32.h"
#include "temp_folder.h"

namespace {

// An 8-bit mono wave file of `ms` milliseconds at 8000 Hz: a square wave.
void WriteWave(const std::string& path, int ms) {
    const uint32_t n = 8 * ms;
    std::vector<uint8_t> d;
    auto u32 = [&](uint32_t v) {
        for (int i = 0; i < 4; ++i)
            d.push_back(static_cast<uint8_t>(v >> (8 * i)));
    };
    auto u16 = [&](uint16_t v) {
        d.push_back(static_cast<uint8_t>(v));
        d.push_back(static_cast<uint8_t>(v >> 8));
    };
    auto text = [&](const std::string& s) { d.insert(d.end(), s.begin(), s.end()); };
    text("RIFF"), u32(36 + n), text("WAVEfmt ");
    u32(16), u16(1), u16(1), u32(8000), u32(8000), u16(1), u16(8);
    text("data"), u32(n);
    for (uint32_t i = 0; i < n; ++i)
        d.push_back((i / 10) % 2 ? 200 : 56);
    FILE* f = std::fopen(path.c_str(), "wb");
    ASSERT_NE(f, nullptr);
    std::fwrite(d.data(), 1, d.size(), f);
    std::fclose(f);
}

// Handles the thread's messages until `done` holds or 30 s have passed; false then.
template <class Done> bool PumpUntil(Done done) {
    const DWORD deadline = GetTickCount() + 30000;
    MSG msg;
    while (!done()) {
        if (GetTickCount() > deadline)
            return false;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
            DispatchMessageA(&msg);
        Sleep(20);
    }
    return true;
}

class NoMedia final : public IPlayerCommands {
public:
    intptr_t Send(PlayerCommand, intptr_t) override { return 0; }
};

} // namespace

TEST(PlayersWin32, SkipEndsTheMciClipAndTheListGoesOn) {
    TempFolder dir;
    WriteWave(dir / "long.wav", 30000);
    WriteWave(dir / "short.wav", 300);
    std::fclose(std::fopen((dir / "text.wav").c_str(), "wb")); // not a wave file
    CPlayers players{PlayerPorts{std::make_shared<Win32WaveOut>(), std::make_shared<Win32Mci>(),
                                 std::make_shared<Win32FileLister>(), std::make_shared<NoMedia>(),
                                 std::make_shared<Win32Clock>(), StartDetachedThread,
                                 "c:\\quillbox.exe"}};
    const uint64_t run =
        players.Start(PlayerKind::Mci, MakePlayHeader({}) + dir / "text.wav\r\n" +
                                           dir / "long.wav\r\n" + dir / "short.wav");
    ASSERT_TRUE(PumpUntil([&] { return players.Status() == "long.wav"; })) << players.Status();
    ASSERT_TRUE(PumpUntil([&] { return players.Progress().position >= 0; }));
    players.SkipMciClip();
    std::vector<std::string> seen; // the status texts until the run ended
    PumpUntil([&] {
        seen.push_back(players.Status());
        return !players.IsRunning(run);
    });
    EXPECT_NE(std::find(seen.begin(), seen.end(), "short.wav"), seen.end()) << seen.front();
}

// The graph's events reach the engine through its owner's window procedure, as in the video
// window: a message the pump dispatches is never lost to a second reader.
LRESULT CALLBACK GraphOwnerProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_APP)
        reinterpret_cast<DirectShowEngine*>(GetWindowLongPtrA(window, GWLP_USERDATA))
            ->OnGraphEvent();
    return DefWindowProcA(window, msg, wParam, lParam);
}

// (A video clip's picture is proven by the end-to-end script.)
TEST(PlayersWin32, DirectShowTellsAClipsLengthAndItsEnd) {
    ComScope com;
    TempFolder dir;
    WriteWave(dir / "clip.wav", 500);
    HWND owner = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 64, 48, nullptr, nullptr, nullptr,
                                 nullptr);
    DirectShowEngine engine(owner, WM_APP);
    SetWindowLongPtrA(owner, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&engine));
    SetWindowLongPtrA(owner, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(GraphOwnerProc));
    EXPECT_FALSE(engine.Open(dir / "missing.wav"));
    EXPECT_EQ(engine.State().openState, 0);

    ASSERT_TRUE(engine.Open(dir / "clip.wav"));
    EXPECT_EQ(engine.State().playState, 2);
    EXPECT_NEAR(engine.State().duration, 0.5, 0.05);
    EXPECT_EQ(engine.State().videoWidth, 0);
    // The end of the clip comes as a graph event to the owner, and the graph stops.
    EXPECT_TRUE(PumpUntil([&] { return engine.State().playState == 0; }));
    DestroyWindow(owner);
}
