#include "core/value.h"

#include "core/conversions.h"

namespace orbetta {

double Value::toDouble() const {
    if (isInteger())
        return std::get<std::int16_t>(v_);
    if (isDouble())
        return std::get<double>(v_);
    if (isText())
        return parseNumber(std::get<std::string>(v_));
    return 0.0;
}

std::string Value::toText() const {
    if (isInteger())
        return std::to_string(std::get<std::int16_t>(v_));
    if (isDouble())
        return formatNumber(std::get<double>(v_));
    if (isText())
        return std::get<std::string>(v_);
    return {};
}

} // namespace orbetta
