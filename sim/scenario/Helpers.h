// Small pieces the command families share.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "sim/scenario/Command.h"

namespace sim::scenario {

// "SUBJECT is ACTUAL, expected EXPECTED"; texts are quoted by the caller.
std::string Differs(const std::string& subject, const std::string& actual, const std::string& expected);
std::string QuoteList(const std::vector<std::string>& texts);

// A control of the active window, or nullopt with the reason in problem.
std::optional<SimWnd> ControlOf(Context& context, int id, std::string& problem);

// The pid of a named process, or an argument error.
int ProcessNamed(Context& context, const std::string& name);

}  // namespace sim::scenario
