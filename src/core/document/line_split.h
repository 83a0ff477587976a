// Splitting text into lines.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tessary {

// Lines of a file: CR LF, a lone LF and a lone CR each end a line; a line end at the very
// end does not start another line. At most `maxLines` lines are taken; `rest`, when given,
// is set to the bytes past them. Fills lines[1..n] (entry 0 untouched) and returns n.
int SplitFileLines(std::string_view bytes, std::vector<std::string>& lines, int maxLines,
                   std::string_view* rest = nullptr);

// Lines of the editing area: a CR starts the next line, an LF is skipped. At most
// `maxLines` lines are taken; `rest`, when given, is set to the text past them. Fills
// lines[1..n] and returns n (at least 1).
int SplitEditorLines(std::string_view text, std::vector<std::string>& lines, int maxLines,
                     std::string_view* rest = nullptr);

// The line without the blanks and backspaces at its end, then without the blanks at its
// start, as verification trims it.
std::string_view TrimmedLineEnds(std::string_view line);

// Trims the line as TrimmedLineEnds does; returns the number of characters removed.
int TrimLineEnds(std::string& line);

// Joins lines[first..last] with CR LF, without a line break after the last.
std::string JoinLines(const std::vector<std::string>& lines, int first, int last);

// The editing area's text of a file whose first `count` lines SplitFileLines put into
// `lines`: those lines joined with CR LF. When the file's bytes already are that text up to
// some point, they become the text themselves; otherwise they are let go before the lines
// are joined. Either way the file is never held twice.
std::string FileText(std::string&& bytes, const std::vector<std::string>& lines, int count);

}  // namespace tessary
