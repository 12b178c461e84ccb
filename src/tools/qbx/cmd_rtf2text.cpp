// qbx rtf2text [FILE]
#include "qbx_tool.h"

#include "store/rtf_text.h"

int CmdRtfToText(Args args) {
    if (!NoOtherOptions(args))
        return kExitBadInput;
    if (args.size() > 1) {
        Complain("usage: qbx rtf2text [FILE]");
        return kExitUsage;
    }
    std::string rtf;
    if (!ReadWholeFile(args.empty() ? "-" : args[0], rtf))
        return kExitBadInput;
    return WriteStdout(RtfPlainText(rtf)) ? kExitOk : kExitBadInput;
}
