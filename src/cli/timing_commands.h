// The timing commands of tessary-cli: each value read by its field's strict reader, then the
// operation run on the opened document as the window runs it.
#pragma once

#include <string>

#include "cli_options.h"
#include "document/document.h"

namespace tessary {

// Runs the command's operation. Returns false, with the reason in `refusal`, when a value is
// not one its field takes as written or the command cannot do its work on this file; nothing
// is changed then.
bool RunTimingCommand(const CliOptions& options, Document& doc, std::string& refusal);

}  // namespace tessary
