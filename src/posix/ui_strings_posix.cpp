// The program's own English texts for the native build (tests and the qbx tool).
#include "platform/ui_strings.h"

#include <map>

std::string LoadUiString(unsigned id) {
    static const std::map<unsigned, std::string> table = {
        {128, "Quillbox"},
        {3002, "QBX file error"},
        {3062, "Active collection has been created. This item was inserted  into empty active "
               "collection on purpose."},
    };
    auto it = table.find(id);
    return it == table.end() ? std::string() : it->second;
}
