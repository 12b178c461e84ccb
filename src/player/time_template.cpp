#include "player/time_template.h"

#include "platform/play_engines.h"
#include "store/trim.h"

namespace {

const char kSpaces[] = " \t\n\v\f\r";
const char* const kWeekdays[] = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                 "Thursday", "Friday", "Saturday"};
const char* const kMonths[] = {"January",   "February", "March",    "April",
                               "May",       "June",     "July",     "August",
                               "September", "October",  "November", "December"};

bool Has(const std::string& line, const char* tag) {
    return line.find(tag) != std::string::npos;
}

void ReplaceAll(std::string& line, const std::string& tag, const std::string& value) {
    for (size_t at = line.find(tag); at != std::string::npos;
         at = line.find(tag, at + value.size()))
        line.replace(at, tag.size(), value);
}

std::string TwoDigits(int n) {
    std::string s = std::to_string(n);
    return s.size() < 2 ? "0" + s : s;
}

bool IsSlash(char c) {
    return c == '\\' || c == '/';
}

} // namespace

int ExpandTimeTemplate(std::string& line, TimeModes& modes, const LocalTime& now,
                       const PlayFiles& where) {
    modes.pastTo = modes.pastTo || Has(line, "<UsePastTo>");
    modes.amPm = modes.amPm || Has(line, "<UseAmPm>");
    line = Trim(line, kSpaces);
    if (line.empty())
        return 0;
    int m = now.minute;
    int h = now.hour;
    if ((m == 0 || m > 30) && Has(line, "<IfPast>"))
        return 0;
    if (m <= 30 && Has(line, "<IfTo>"))
        return 0;
    if (modes.pastTo && m > 30) {
        h = (h + 1) % 24;
        m = 60 - m;
    }
    // Numbers up to 20 are told whole: 15 is "15", 45 is "40" and "5".
    const int mLo = m > 20 ? m % 10 : 0;
    const int mHi = m - mLo;
    ReplaceAll(line, "<AmPm>", h < 12 ? "am" : "pm");
    const int dial = h % 12 == 0 ? 12 : h % 12;
    if (modes.amPm)
        h = dial;
    int hLo = 0;
    if (h == 0)
        h = 12; // midnight is told as 12 on both dials
    else if (h > 20)
        hLo = h % 10;
    const int hHi = h - hLo;

    int count = 1;
    if (m == 0) {
        if (Has(line, "<IfMinNotZero>"))
            return 0;
        if (Has(line, "<Strike>"))
            count = dial;
    } else if (m == 30) {
        if (Has(line, "<IfMinZero>"))
            return 0;
    } else if (Has(line, "<IfMinZero>") || Has(line, "<Strike>")) {
        return 0;
    }
    for (const char* tag : {"<UsePastTo>", "<UseAmPm>", "<IfMinNotZero>", "<IfMinZero>", "<IfPast>",
                            "<IfTo>", "<Strike>"})
        ReplaceAll(line, tag, "");
    ReplaceAll(line, "<Min>", TwoDigits(m));
    ReplaceAll(line, "<MinHi>", TwoDigits(mHi));
    ReplaceAll(line, "<MinLo>", TwoDigits(mLo));
    ReplaceAll(line, "<Hour>", TwoDigits(h));
    ReplaceAll(line, "<HourHi>", TwoDigits(hHi));
    ReplaceAll(line, "<HourLo>", TwoDigits(hLo));
    if (now.dayOfWeek >= 0 && now.dayOfWeek < 7)
        ReplaceAll(line, "<Weekday>", kWeekdays[now.dayOfWeek]);
    if (now.month >= 1 && now.month <= 12)
        ReplaceAll(line, "<Month>", kMonths[now.month - 1]);
    line = Trim(line, kSpaces);
    if (line.empty())
        return 0;
    if (Has(line, "://"))
        return 1;
    return ResolvePlayPath(line, where) ? count : 0;
}

bool ResolvePlayPath(std::string& path, const PlayFiles& where) {
    const bool hasDrive = path.size() >= 2 && path[1] == ':';
    // A network path (\\server\share) names its own place.
    const bool network = path.size() >= 2 && IsSlash(path[0]) && IsSlash(path[1]);
    if (!hasDrive && !network) {
        const std::string& program = where.programPath;
        const std::string drive =
            program.size() >= 2 && program[1] == ':' ? program.substr(0, 2) : std::string();
        if (!path.empty() && IsSlash(path[0])) {
            path = drive + path;
        } else {
            const size_t slash = program.find_last_of("\\/");
            const std::string folder =
                slash == std::string::npos ? drive : program.substr(0, slash + 1);
            path = folder + path;
        }
    }
    return where.files.Exists(path);
}
