#pragma once
// The report pieces' temporary files: the directory they go to, the report
// log left over from an earlier run, and the files registered for deletion
// when the program ends.
#include <memory>

#include "vcl/rtl/Strings.h"
#include "vcl/rtl/UnitStartup.h"

extern String RLTempDirectoryPath;  // set at start-up
extern String RLLogFileName;        // "rlib.log" from start-up, in the current directory
// Files to delete at shut-down; made by whoever registers the first one.
extern std::unique_ptr<TStringList> RLTempFileList;

// The directory for temporary files, with a trailing backslash: the first
// of TMP, TEMP and USERPROFILE that is set (a relative one taken from the
// Windows directory), else the Windows directory. The current directory is
// left as it is.
String RLTempDirectory();
// Deletes the report log when it is a plain file (not a directory, not a
// link) of that name in the current directory.
void RLDeleteLogFile();
// Deletes every registered file in list order, once however often it was
// registered, and like the log only a plain file, never through a link (a
// missing one is skipped); then drops the list.
void RLDeleteTempFiles();

extern const TUnitEntry RLUtilsUnit;
