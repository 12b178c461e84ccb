#include "schedule_dlg.h"

#include <commctrl.h>
#include <commdlg.h>

#include <ctime>
#include <vector>

#include "platform/ui_strings.h"
#include "player_host.h"
#include "resource.h"
#include "store/text_rules.h"
#include "store/trim.h"

namespace {

constexpr UINT_PTR CLOCK_TIMER = 1;

struct PickerControl {
    Picker picker;
    int id;
    unsigned setFormat;   // string id of the format for a set field; 0: hours and minutes
    unsigned unsetFormat; // 0: a blank
};

const PickerControl kPickers[PICKER_COUNT] = {
    {Picker::StartTime, IDC_SCH_START_TIME, IDS_FORMAT_AT_TIME, IDS_FORMAT_DISABLED},
    {Picker::StartMonth, IDC_SCH_START_MONTH, 0, IDS_FORMAT_ANY_MONTH},
    {Picker::StartDay, IDC_SCH_START_DAY, 0, IDS_FORMAT_ANY_DAY},
    {Picker::Duration, IDC_SCH_DURATION, 0, 0},
    {Picker::IntervalTime, IDC_SCH_INTERVAL_TIME, 0, 0},
    {Picker::IntervalDays, IDC_SCH_INTERVAL_DAYS, IDS_FORMAT_DAYS, 0},
    {Picker::StopTime, IDC_SCH_STOP_TIME, IDS_FORMAT_AT_TIME, 0},
    {Picker::StopMonth, IDC_SCH_STOP_MONTH, 0, 0},
    {Picker::StopDay, IDC_SCH_STOP_DAY, 0, 0},
};

// The picker format of a set field that has no string of its own.
std::string PlainFormat(Picker picker) {
    switch (picker) {
    case Picker::StartMonth:
    case Picker::StopMonth:
        return "MMMM";
    case Picker::StartDay:
    case Picker::StopDay:
        return "dd";
    default:
        return "HH':'mm";
    }
}

std::string NowText() {
    const std::time_t now = std::time(nullptr);
    std::vector<char> text(128);
    const std::tm* local = std::localtime(&now);
    const size_t n =
        local ? std::strftime(text.data(), text.size(), "%A, %B %d, %Y %H:%M:%S", local) : 0;
    return std::string(text.data(), n);
}

std::string LengthText(int seconds) {
    auto two = [](int n) { return (n < 10 ? "0" : "") + std::to_string(n); };
    if (seconds >= 3600)
        return std::to_string(seconds / 3600) + ":" + two(seconds / 60 % 60) + ":" +
               two(seconds % 60);
    return std::to_string(seconds / 60) + ":" + two(seconds % 60);
}

} // namespace

CScheduleDlg::CScheduleDlg(CPlayerHost& host, const std::string& caption, const std::string& files)
    : m_host(host), m_form(caption), m_caption(caption), m_files(files) {}

CScheduleDlg::~CScheduleDlg() {
    if (m_fontMagic)
        DeleteObject(m_fontMagic);
}

bool CScheduleDlg::DoModal(HWND owner) {
    return DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_SCHEDULE), owner,
                           DialogProc, reinterpret_cast<LPARAM>(this)) == IDOK;
}

INT_PTR CALLBACK CScheduleDlg::DialogProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_INITDIALOG) {
        SetWindowLongPtrA(hwnd, DWLP_USER, lParam);
        reinterpret_cast<CScheduleDlg*>(lParam)->m_hWnd = hwnd;
    }
    auto* self = reinterpret_cast<CScheduleDlg*>(GetWindowLongPtrA(hwnd, DWLP_USER));
    if (!self)
        return FALSE;
    try {
        return self->HandleMessage(msg, wParam, lParam);
    } catch (...) {
        return FALSE; // nothing leaves a window procedure
    }
}

INT_PTR CScheduleDlg::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_INITDIALOG:
        OnInitDialog();
        return TRUE;
    case WM_COMMAND:
        OnCommand(LOWORD(wParam));
        return TRUE;
    case WM_NOTIFY: {
        LRESULT result = 0;
        if (!OnNotify(*reinterpret_cast<const NMHDR*>(lParam), result))
            return FALSE;
        SetWindowLongPtrA(m_hWnd, DWLP_MSGRESULT, result);
        return TRUE;
    }
    case WM_HSCROLL:
        if (reinterpret_cast<HWND>(lParam) == GetDlgItem(m_hWnd, IDC_SCH_PROGRESS) &&
            (LOWORD(wParam) == TB_ENDTRACK || LOWORD(wParam) == TB_THUMBPOSITION)) {
            const int position =
                static_cast<int>(SendDlgItemMessageA(m_hWnd, IDC_SCH_PROGRESS, TBM_GETPOS, 0, 0));
            m_host.Players().SeekMci(position);
            if (CMediaPlayer* media = m_host.Video().Player())
                media->Seek(position);
        }
        return TRUE;
    case WM_TIMER:
        OnTimer();
        return TRUE;
    case WM_DESTROY:
        KillTimer(m_hWnd, CLOCK_TIMER);
        m_host.Video().SetStatusWindow(nullptr);
        return FALSE;
    default:
        return FALSE;
    }
}

void CScheduleDlg::OnInitDialog() {
    for (int id : {2063, 2064, 2065, 2066, 2071, 2072, 2073, 2074, 2075, 2076, 2077, 2078,
                   2079, 2080, 2081, 2082, 2083, 2084, 2085, 2086, 2087, 2088, 2061, 2062}) {
        const int control = id >= 2080 && id <= 2083 ? id - 2080 + IDC_SCH_MEDIA
                            : id == 2084             ? IDC_SCH_RANDOM
                            : id == 2085             ? IDC_SCH_PAUSE
                            : id == 2086             ? IDC_SCH_TEST
                            : id == 2087             ? IDC_SCH_SKIP
                            : id == 2088             ? IDC_SCH_STOP
                            : id == 2061             ? IDOK
                            : id == 2062             ? IDCANCEL
                                                     : id;
        SetText(control, LoadUiString(static_cast<unsigned>(id)));
    }
    for (int id : {2068, 2069, 2070})
        SetText(id, LoadUiString(2067));
    m_host.Video().SetStatusWindow(GetDlgItem(m_hWnd, IDC_SCH_INFO));

    for (int i = 0; i < PICKER_COUNT; ++i)
        ShowPicker(i);
    for (int spin : {IDC_SCH_START_WEEKDAY_SPIN, IDC_SCH_STOP_WEEKDAY_SPIN})
        SendDlgItemMessageA(m_hWnd, spin, UDM_SETRANGE32, 1, 7);
    SendDlgItemMessageA(m_hWnd, IDC_SCH_VOLUME_SPIN, UDM_SETRANGE32, 0, 9);
    ShowWeekday(false);
    ShowWeekday(true);
    ShowVolume();
    CheckRadioButton(m_hWnd, IDC_SCH_MEDIA, IDC_SCH_EXTERNAL, IDC_SCH_MEDIA + m_form.Player());
    CheckDlgButton(m_hWnd, IDC_SCH_RANDOM, m_form.Random() ? BST_CHECKED : BST_UNCHECKED);
    CheckDlgButton(m_hWnd, IDC_SCH_PAUSE, m_form.PauseMedia() ? BST_CHECKED : BST_UNCHECKED);
    ShowPlayer();

    // Courier at 6.4 points, so that the whole schedule text fits its box.
    HDC dc = GetDC(m_hWnd);
    const int height = -MulDiv(64, GetDeviceCaps(dc, LOGPIXELSY), 720);
    ReleaseDC(m_hWnd, dc);
    m_fontMagic = CreateFontA(height, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, ANSI_CHARSET,
                              OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                              FIXED_PITCH | FF_MODERN, "Courier");
    SendDlgItemMessageA(m_hWnd, IDC_SCH_TEXT, WM_SETFONT, reinterpret_cast<WPARAM>(m_fontMagic),
                        FALSE);
    SetText(IDC_SCH_TITLE, m_form.Title());
    SetText(IDC_SCH_FILES, m_files);
    WriteScheduleText();
    SetText(IDC_SCH_NOW, NowText());
    SetTimer(m_hWnd, CLOCK_TIMER, 1000, nullptr);
    AddToolTips();
}

void CScheduleDlg::AddToolTips() {
    m_tips = CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP,
                             CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, m_hWnd,
                             nullptr, GetModuleHandleA(nullptr), nullptr);
    if (!m_tips)
        return;
    SendMessageA(m_tips, TTM_SETMAXTIPWIDTH, 0, 200);
    for (int id = IDC_SCH_TITLE; id <= IDC_SCH_SKIP; ++id) {
        HWND control = GetDlgItem(m_hWnd, id);
        std::string tip = control ? LoadUiString(static_cast<unsigned>(id)) : std::string();
        if (tip.empty())
            continue;
        TOOLINFOA info = {};
        info.cbSize = sizeof info;
        info.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
        info.hwnd = m_hWnd;
        info.uId = reinterpret_cast<UINT_PTR>(control);
        info.lpszText = &tip[0];
        SendMessageA(m_tips, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&info));
    }
}

void CScheduleDlg::ShowPicker(int index) {
    const PickerControl& p = kPickers[index];
    HWND picker = GetDlgItem(m_hWnd, p.id);
    if (m_form.IsSet(p.picker)) {
        const PickerValue value = m_form.ValueOf(p.picker);
        SYSTEMTIME st = {};
        st.wYear = 2003;
        st.wMonth = static_cast<WORD>(value.month);
        st.wDay = static_cast<WORD>(value.day);
        st.wHour = static_cast<WORD>(value.hour);
        st.wMinute = static_cast<WORD>(value.minute);
        SendMessageA(picker, DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&st));
        const std::string format = p.setFormat ? LoadUiString(p.setFormat) : PlainFormat(p.picker);
        SendMessageA(picker, DTM_SETFORMATA, 0, reinterpret_cast<LPARAM>(format.c_str()));
    } else {
        SendMessageA(picker, DTM_SETSYSTEMTIME, GDT_NONE, 0);
        const std::string format = p.unsetFormat ? LoadUiString(p.unsetFormat) : "' '";
        SendMessageA(picker, DTM_SETFORMATA, 0, reinterpret_cast<LPARAM>(format.c_str()));
    }
}

void CScheduleDlg::ShowWeekday(bool stop) {
    const int check = stop ? IDC_SCH_STOP_WEEKDAY_CHECK : IDC_SCH_START_WEEKDAY_CHECK;
    const int edit = stop ? IDC_SCH_STOP_WEEKDAY : IDC_SCH_START_WEEKDAY;
    const int spin = stop ? IDC_SCH_STOP_WEEKDAY_SPIN : IDC_SCH_START_WEEKDAY_SPIN;
    const uint16_t day = m_form.Weekday(stop);
    const bool set = day != NOT_SET;
    CheckDlgButton(m_hWnd, check, set ? BST_CHECKED : BST_UNCHECKED);
    SetText(edit, WeekdayName(day, stop));
    SendDlgItemMessageA(m_hWnd, spin, UDM_SETPOS32, 0, set ? day : 0);
    EnableWindow(GetDlgItem(m_hWnd, edit), set);
    EnableWindow(GetDlgItem(m_hWnd, spin), set);
}

void CScheduleDlg::ShowVolume() {
    const int volume = m_form.Record().volume;
    const bool set = volume >= 0;
    CheckDlgButton(m_hWnd, IDC_SCH_VOLUME_CHECK, set ? BST_CHECKED : BST_UNCHECKED);
    SetText(IDC_SCH_VOLUME, set ? std::to_string(volume) : std::string());
    SendDlgItemMessageA(m_hWnd, IDC_SCH_VOLUME_SPIN, UDM_SETPOS32, 0, set ? volume : 0);
    EnableWindow(GetDlgItem(m_hWnd, IDC_SCH_VOLUME), set);
    EnableWindow(GetDlgItem(m_hWnd, IDC_SCH_VOLUME_SPIN), set);
}

void CScheduleDlg::ShowPlayer() {
    const FormEnables enables = m_form.Enables();
    CheckDlgButton(m_hWnd, IDC_SCH_RANDOM, m_form.Random() ? BST_CHECKED : BST_UNCHECKED);
    CheckDlgButton(m_hWnd, IDC_SCH_PAUSE, m_form.PauseMedia() ? BST_CHECKED : BST_UNCHECKED);
    EnableWindow(GetDlgItem(m_hWnd, IDC_SCH_PAUSE), enables.pauseMedia);
    EnableWindow(GetDlgItem(m_hWnd, IDC_SCH_RANDOM), enables.randomAndVolume);
    EnableWindow(GetDlgItem(m_hWnd, IDC_SCH_VOLUME_CHECK), enables.randomAndVolume);
    ShowVolume();
    if (!enables.randomAndVolume) {
        EnableWindow(GetDlgItem(m_hWnd, IDC_SCH_VOLUME), FALSE);
        EnableWindow(GetDlgItem(m_hWnd, IDC_SCH_VOLUME_SPIN), FALSE);
    }
}

void CScheduleDlg::WriteScheduleText() {
    SetText(IDC_SCH_TEXT, m_form.ScheduleText());
}

void CScheduleDlg::OnCommand(int id) {
    switch (id) {
    case IDC_SCH_START_WEEKDAY_CHECK:
    case IDC_SCH_STOP_WEEKDAY_CHECK: {
        const bool stop = id == IDC_SCH_STOP_WEEKDAY_CHECK;
        m_form.CheckWeekday(stop, IsDlgButtonChecked(m_hWnd, id) == BST_CHECKED);
        ShowWeekday(stop);
        break;
    }
    case IDC_SCH_VOLUME_CHECK:
        m_form.CheckVolume(IsDlgButtonChecked(m_hWnd, id) == BST_CHECKED);
        ShowVolume();
        break;
    case IDC_SCH_MEDIA:
    case IDC_SCH_MEDIA + 1:
    case IDC_SCH_MEDIA + 2:
    case IDC_SCH_EXTERNAL:
    case IDC_SCH_RANDOM:
    case IDC_SCH_PAUSE: {
        int player = 0;
        for (int i = 0; i < 4; ++i)
            if (IsDlgButtonChecked(m_hWnd, IDC_SCH_MEDIA + i) == BST_CHECKED)
                player = i;
        m_form.SetPlayer(player, IsDlgButtonChecked(m_hWnd, IDC_SCH_RANDOM) == BST_CHECKED,
                         IsDlgButtonChecked(m_hWnd, IDC_SCH_PAUSE) == BST_CHECKED);
        ShowPlayer();
        break;
    }
    case IDC_SCH_TEST: {
        const ScheduleRecord& r = m_form.Record();
        m_host.Volume().SetVolume(r.volume);
        m_host.Scheduler().StartPlayer(Text(IDC_SCH_FILES), 0, r.flags, r.volume);
        return;
    }
    case IDC_SCH_SKIP:
        m_host.Scheduler().SkipClip();
        return;
    case IDC_SCH_STOP:
        m_host.Scheduler().StopAllPlayers();
        return;
    case IDC_SCH_BROWSE:
        OnBrowse();
        return;
    case IDOK:
        OnOk();
        return;
    case IDCANCEL:
        EndDialog(m_hWnd, IDCANCEL);
        return;
    default:
        return;
    }
    WriteScheduleText();
}

bool CScheduleDlg::OnNotify(const NMHDR& header, LRESULT& result) {
    const int id = static_cast<int>(header.idFrom);
    if (header.code == DTN_DATETIMECHANGE) {
        for (int i = 0; i < PICKER_COUNT; ++i) {
            if (kPickers[i].id != id)
                continue;
            const auto& change = reinterpret_cast<const NMDATETIMECHANGE&>(header);
            const PickerValue value{change.st.wMonth, change.st.wDay, change.st.wHour,
                                    change.st.wMinute};
            m_form.SetPicker(kPickers[i].picker, change.dwFlags == GDT_VALID, value);
            ShowPicker(i);
            WriteScheduleText();
        }
        result = 0;
        return true;
    }
    if (header.code == UDN_DELTAPOS) {
        const auto& spin = reinterpret_cast<const NMUPDOWN&>(header);
        if (id == IDC_SCH_VOLUME_SPIN) {
            m_host.Volume().SetVolume(m_form.SpinVolume(spin.iPos, spin.iDelta)); // heard at once
            ShowVolume();
        } else if (id == IDC_SCH_START_WEEKDAY_SPIN || id == IDC_SCH_STOP_WEEKDAY_SPIN) {
            const bool stop = id == IDC_SCH_STOP_WEEKDAY_SPIN;
            m_form.SpinWeekday(stop, spin.iPos, spin.iDelta);
            ShowWeekday(stop);
        } else {
            return false;
        }
        WriteScheduleText();
        result = TRUE; // the position is set above
        return true;
    }
    return false;
}

void CScheduleDlg::OnTimer() {
    SetText(IDC_SCH_NOW, NowText());
    CPlayers& players = m_host.Players();
    std::string status = players.Status();
    int length = 0, position = 0;
    std::string lengthText;
    if (!status.empty() && status[0] == '*') {
        players.ClearStatus();
        SetText(IDC_SCH_INFO, std::string());
        status.clear();
    } else if (!status.empty()) {
        const MciProgress progress = players.Progress();
        length = progress.length;
        position = progress.position;
    } else {
        if (DirectShowEngine* engine = m_host.Video().Engine()) {
            const MediaState state = engine->State();
            if (state.duration > 0) {
                length = static_cast<int>(state.duration);
                position = static_cast<int>(state.position);
                lengthText = LengthText(length);
            }
        }
        status = m_host.StatusText();
    }
    if (!status.empty() && Text(IDC_SCH_INFO) != status)
        SetText(IDC_SCH_INFO, status);
    if (Text(IDC_SCH_LENGTH) != lengthText)
        SetText(IDC_SCH_LENGTH, lengthText);
    HWND slider = GetDlgItem(m_hWnd, IDC_SCH_PROGRESS);
    const bool dragging = GetFocus() == slider && (GetKeyState(VK_LBUTTON) & 0x8000);
    if (!dragging) {
        if (length > 0)
            SendMessageA(slider, TBM_SETRANGEMAX, TRUE, length);
        SendMessageA(slider, TBM_SETPOS, TRUE, position < 0 ? 0 : position);
    }
}

void CScheduleDlg::OnBrowse() {
    std::vector<wchar_t> names(4096, L'\0');
    OPENFILENAMEW ofn = {};
    ofn.lStructSize = sizeof ofn;
    ofn.hwndOwner = m_hWnd;
    ofn.lpstrFilter = L"All files (*.*)\0*.*\0MP3 files (*.mp3)\0*.mp3\0WAV files "
                      L"(*.wav)\0*.wav\0MID files (*.mid)\0*.mid\0";
    ofn.lpstrFile = names.data();
    ofn.nMaxFile = static_cast<DWORD>(names.size());
    ofn.Flags = OFN_ALLOWMULTISELECT | OFN_EXPLORER | OFN_FILEMUSTEXIST | OFN_HIDEREADONLY;
    if (!GetOpenFileNameW(&ofn))
        return;
    // One name: the whole path. Several: the folder, then each name, NUL after each.
    std::vector<std::string> parts;
    for (const wchar_t* p = names.data(); *p; p += wcslen(p) + 1)
        parts.push_back(NarrowUtf16(reinterpret_cast<const char16_t*>(p), wcslen(p)));
    if (parts.empty())
        return;
    std::string files = parts[0];
    if (parts.size() > 1) {
        files.clear();
        for (size_t i = 1; i < parts.size(); ++i)
            files += parts[0] + "\\" + parts[i] + "\r\n";
    }
    SetText(IDC_SCH_FILES, files);
}

void CScheduleDlg::OnOk() {
    m_caption = ComposeScheduledCaption(Text(IDC_SCH_TITLE), Text(IDC_SCH_TEXT));
    m_files = Text(IDC_SCH_FILES);
    EndDialog(m_hWnd, IDOK);
}

std::string CScheduleDlg::Text(int id) const {
    HWND control = GetDlgItem(m_hWnd, id);
    const int length = GetWindowTextLengthA(control);
    std::string text(static_cast<size_t>(length) + 1, '\0');
    text.resize(static_cast<size_t>(GetWindowTextA(control, &text[0], length + 1)));
    return text;
}

void CScheduleDlg::SetText(int id, const std::string& text) {
    SetDlgItemTextA(m_hWnd, id, text.c_str());
}
