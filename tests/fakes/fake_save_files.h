#pragma once
#include <string>

#include "platform/save_files.h"

// The real files, with operations that fail on demand as a name in use, a full disk or
// another program holding the file would make them fail. A failure's text is `error`.
class FakeSaveFiles final : public ISaveFiles {
public:
    bool createFails = false;  // no temporary file can be made
    bool finishFails = false;  // the disk is full
    bool replaceFails = false; // another program holds the target open
    // What writing over the target does once it could not be replaced.
    WriteOverResult writeOver = WriteOverResult::Written;
    bool copyFails = false;
    bool openFails = false; // an existing file cannot be read
    std::string error = "The disk is full.";

    std::FILE* CreateNew(const std::string& path) override {
        return Failed(createFails) ? nullptr : m_real.CreateNew(path);
    }
    bool Finish(std::FILE* file) override { return m_real.Finish(file) && !Failed(finishFails); }
    bool Replace(const std::string& source, const std::string& target) override {
        return !Failed(replaceFails) && m_real.Replace(source, target);
    }
    WriteOverResult WriteOver(const std::string& source, const std::string& target) override {
        return Failed(writeOver != WriteOverResult::Written) ? writeOver
                                                             : m_real.WriteOver(source, target);
    }
    std::FILE* OpenRead(const std::string& path) override {
        return Failed(openFails) ? nullptr : m_real.OpenRead(path);
    }
    bool CopyNew(const std::string& from, const std::string& to) override {
        return !Failed(copyFails) && m_real.CopyNew(from, to);
    }
    std::string ErrorText() const override { return m_failed ? error : m_real.ErrorText(); }

private:
    bool Failed(bool fails) {
        m_failed = m_failed || fails;
        return fails;
    }

    ISaveFiles& m_real = SystemSaveFiles();
    bool m_failed = false;
};
