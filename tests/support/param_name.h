#pragma once

#include <gtest/gtest.h>

#include <string>
#include <string_view>

namespace tabloom {

// Text made fit for the name of a parameterised case: letters and digits
// stay, every other run of characters becomes one underscore; "empty" for
// text without letters or digits, "number_" before digits alone. Stable
// from run to run, so a case can be picked with ctest -R.
std::string ParamName(std::string_view text);

// For a case named by the text it tries: every character that is not a
// letter or digit is spelled out ("+-3" gives "plus_minus_3", " 2.5" gives
// "blank_2_point_5"), so texts that differ only there keep apart.
std::string SpelledParamName(std::string_view text);

// Names each case of a parameterised test after its name field.
struct ByCaseName {
    template <typename Param>
    std::string operator()(const ::testing::TestParamInfo<Param>& info) const {
        return ParamName(info.param.name);
    }
};

}  // namespace tabloom
