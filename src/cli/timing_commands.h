// The timing commands of tessary-cli, run on an opened document as the window runs them.
#pragma once

#include "cli_options.h"
#include "cli_prompter.h"
#include "document/document.h"

namespace tessary {

// Applies the command's operation. Returns false when a field or the operation refused
// (its message has been written), or when an argument is not one the field takes (`why`).
bool RunTimingCommand(const CliOptions& options, Document& doc, const CliPrompter& prompter, std::string& why);

}  // namespace tessary
