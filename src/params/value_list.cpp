#include "params/value_list.h"

#include <iterator>

namespace stapelwerk {

void ValueList::append(std::vector<std::string> values) {
    values_.insert(values_.end(), std::make_move_iterator(values.begin()),
                   std::make_move_iterator(values.end()));
}

void ValueList::removeMarkedAndEmpty(std::optional<std::size_t> marked) {
    if (marked && *marked < values_.size()) {
        values_.erase(values_.begin() + static_cast<std::ptrdiff_t>(*marked));
    }
    std::erase_if(values_, [](const std::string& value) { return value.empty(); });
}

}  // namespace stapelwerk
