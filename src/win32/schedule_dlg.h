#pragma once
// The Schedule dialog: the title, play list and schedule of one item, with Test, Skip and
// Stop, and what plays now. The rules live in CScheduleForm; this class moves values
// between the controls and the form.
#include <windows.h>

#include <string>

#include "player/schedule_form.h"

class CPlayerHost;

class CScheduleDlg {
public:
    CScheduleDlg(CPlayerHost& host, const std::string& caption, const std::string& files);
    ~CScheduleDlg();
    CScheduleDlg(const CScheduleDlg&) = delete;
    CScheduleDlg& operator=(const CScheduleDlg&) = delete;

    // Runs the dialog; true when the user pressed OK.
    bool DoModal(HWND owner);
    HWND Handle() const { return m_hWnd; }
    // After OK: the title, " <", the schedule text as typed, ">"; and the play list.
    const std::string& Caption() const { return m_caption; }
    const std::string& Files() const { return m_files; }

private:
    static INT_PTR CALLBACK DialogProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
    INT_PTR HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam);
    void OnInitDialog();
    void OnCommand(int id);
    bool OnNotify(const NMHDR& header, LRESULT& result);
    void OnTimer();
    void OnBrowse();
    void OnOk();

    void ShowPicker(int index);
    void ShowWeekday(bool stop);
    void ShowVolume();
    void ShowPlayer();
    void WriteScheduleText();
    void AddToolTips();
    std::string Text(int id) const;
    void SetText(int id, const std::string& text);

    CPlayerHost& m_host;
    CScheduleForm m_form;
    std::string m_caption;
    std::string m_files;
    HWND m_hWnd = nullptr;
    HFONT m_fontMagic = nullptr;
    HWND m_tips = nullptr;
};
