#pragma once
// The Schedule dialog, as the service opens it for one item.
#include <string>

class IScheduleEditor {
public:
    virtual ~IScheduleEditor() = default;
    // Shows the caption's title and schedule and the play list; on OK both hold what the
    // user made of them. False when the user cancelled.
    virtual bool EditSchedule(std::string& caption, std::string& playList) = 0;
};
