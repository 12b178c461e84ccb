#include "play_engines_win32.h"

#include <windows.h>
#include <mmsystem.h>

#include <cstdio>
#include <cstring>

#include "store/text_rules.h"

static_assert(MCI_MODE_STOPPED == MCI_MODE_STOP, "MCI stop mode");
static_assert(MCI_ERROR_WAVE_OUTPUTS_BUSY == MCIERR_WAVE_OUTPUTSINUSE, "MCI busy error");

namespace {

const wchar_t* Wide(const std::u16string& text) {
    return reinterpret_cast<const wchar_t*>(text.c_str());
}

// A RIFF file of the WAVE form: what PlaySound can play at all.
bool IsWaveFile(const std::u16string& path) {
    HANDLE file = CreateFileW(Wide(path), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    uint8_t head[12] = {};
    DWORD read = 0;
    const bool ok = ReadFile(file, head, sizeof head, &read, nullptr) && read == sizeof head &&
                    std::memcmp(head, "RIFF", 4) == 0 && std::memcmp(head + 8, "WAVE", 4) == 0;
    CloseHandle(file);
    return ok;
}

} // namespace

bool Win32FileLister::Exists(const std::string& path) const {
    const DWORD attributes = GetFileAttributesW(Wide(WidenText(path)));
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool Win32FileLister::Find(const std::string& pattern, size_t limit,
                           std::vector<std::string>& names) const {
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW(Wide(WidenText(pattern)), &found);
    if (search == INVALID_HANDLE_VALUE)
        return true;
    bool whole = true;
    do {
        if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
            continue;
        if (names.size() == limit) {
            whole = false;
            break;
        }
        names.push_back(NarrowUtf16(reinterpret_cast<const char16_t*>(found.cFileName),
                                    wcslen(found.cFileName)));
    } while (FindNextFileW(search, &found));
    FindClose(search);
    return whole;
}

WaveResult Win32WaveOut::PlayFile(const std::string& path) {
    const std::u16string wide = WidenText(path);
    if (!IsWaveFile(wide))
        return WaveResult::Unplayable;
    if (PlaySoundW(Wide(wide), nullptr, SND_FILENAME | SND_NODEFAULT | SND_NOSTOP | SND_SYNC))
        return WaveResult::Played;
    return WaveResult::Busy;
}

void Win32WaveOut::Purge() {
    PlaySoundW(nullptr, nullptr, SND_PURGE);
}

void Win32WaveOut::SetVolume(int level) {
    if (level < 0 || level > 9)
        return;
    const DWORD byte = static_cast<DWORD>(28 * level);
    const DWORD volume = byte | byte << 8 | byte << 16 | byte << 24;
    for (UINT i = 0; i < waveOutGetNumDevs(); ++i)
        waveOutSetVolume(reinterpret_cast<HWAVEOUT>(static_cast<UINT_PTR>(i)), volume);
    for (UINT i = 0; i < midiOutGetNumDevs(); ++i)
        midiOutSetVolume(reinterpret_cast<HMIDIOUT>(static_cast<UINT_PTR>(i)), volume);
}

uint32_t Win32Mci::Open(const std::string& path, uint32_t& device) {
    const std::u16string wide = WidenText(path);
    MCI_OPEN_PARMSW open = {};
    open.lpstrElementName = Wide(wide);
    const MCIERROR error = mciSendCommandW(0, MCI_OPEN, MCI_OPEN_ELEMENT | MCI_WAIT,
                                           reinterpret_cast<DWORD_PTR>(&open));
    device = open.wDeviceID;
    return error;
}

uint32_t Win32Mci::Send(uint32_t device, MciCommand command, uint32_t argument) {
    switch (command) {
    case MciCommand::Play: {
        MCI_PLAY_PARMS play = {};
        return mciSendCommandW(device, MCI_PLAY, 0, reinterpret_cast<DWORD_PTR>(&play));
    }
    case MciCommand::Seek: {
        MCI_SEEK_PARMS seek = {};
        seek.dwTo = argument;
        return mciSendCommandW(device, MCI_SEEK, MCI_TO | MCI_WAIT,
                               reinterpret_cast<DWORD_PTR>(&seek));
    }
    case MciCommand::ByteTimeFormat: {
        MCI_SET_PARMS set = {};
        set.dwTimeFormat = MCI_FORMAT_BYTES;
        return mciSendCommandW(device, MCI_SET, MCI_SET_TIME_FORMAT | MCI_WAIT,
                               reinterpret_cast<DWORD_PTR>(&set));
    }
    case MciCommand::Close:
        return mciSendCommandW(device, MCI_CLOSE, MCI_WAIT, 0);
    }
    return MCIERR_UNRECOGNIZED_COMMAND;
}

uint32_t Win32Mci::Status(uint32_t device, MciStatusItem item, uint32_t& value) {
    MCI_STATUS_PARMS status = {};
    status.dwItem = item == MciStatusItem::Length     ? MCI_STATUS_LENGTH
                    : item == MciStatusItem::Position ? MCI_STATUS_POSITION
                                                      : MCI_STATUS_MODE;
    const MCIERROR error = mciSendCommandW(device, MCI_STATUS, MCI_STATUS_ITEM | MCI_WAIT,
                                           reinterpret_cast<DWORD_PTR>(&status));
    value = static_cast<uint32_t>(status.dwReturn);
    return error;
}

std::string Win32Mci::ErrorText(uint32_t error) {
    std::vector<wchar_t> text(260, L'\0'); // the longest text MCI has
    if (!mciGetErrorStringW(error, text.data(), static_cast<UINT>(text.size())))
        return std::string();
    return NarrowUtf16(reinterpret_cast<const char16_t*>(text.data()), wcslen(text.data()));
}
