// RunReport: what a headless run leaves behind: the event log's lines and the game's state.
#pragma once

#include <string>

// Every line of the event log, UTF-8, one a line.
std::string EventLogText();
// {"hero": {"x", "y", "facing"}, "talking", "closed", "edit"} as JSON.
std::string StateJson(bool closed);
