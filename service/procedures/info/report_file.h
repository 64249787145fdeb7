// The report viewer's "Save": the report text written to a file of the engineer's choice.
#pragma once

#include <string>

#include "../../seams/page_files.h"
#include "../../seams/window_seams.h"

// A name typed without extension while the "all " filter was chosen comes back from the save
// box with ".*" appended; that suffix is no part of the name the engineer meant.
std::string WithoutWildcardExtension(const std::string& path);

// Asks for the path and writes the text up to its first zero byte, logging the outcome and the
// file. False when the engineer cancelled or the file could not be written (the file-error box
// has then been shown).
bool SaveReportText(IFileBoxes& boxes, IPageFiles& files, ILogSink& log, const std::string& text);

// The text as the viewer's edit shows it: an edit field breaks lines only at CR LF, while the
// lines the tool appends to the report start with a bare LF. The saved file keeps the text as
// it came.
std::string WithWindowsLineBreaks(const std::string& text);
