#pragma once
// What a start of the program does before any window exists: the command line, a copy that
// already runs, and the installation over another registered copy.
#include <string>

class IRunningCopy;
class IMessageBox;
class IInstallation;

struct AppPorts {
    IRunningCopy& running;
    IMessageBox& messages;
    IInstallation& installation;
};

class CClipApp {
public:
    explicit CClipApp(const AppPorts& ports) : m_ports(ports) {}

    // True: start normally (the caller creates the main frame). False: the process ends;
    // whatever the start had to do (ask, install, signal the running copy) is done.
    bool InitInstance(const std::string& commandLine);

private:
    bool Ask(const std::string& text, unsigned captionId, unsigned flags);
    void Install();

    AppPorts m_ports;
};
