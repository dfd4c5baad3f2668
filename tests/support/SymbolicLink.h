#pragma once
// Symbolic links made as the host makes them, for tests of code that must
// not follow them.
#include "vcl/rtl/Strings.h"

// A link at ALink pointing at ATarget (both absolute): under Wine a host
// link, which Wine shows as the plain file or folder it points at (and not
// at all once the target is gone); elsewhere the platform's own. True when
// the link was made.
bool MakeSymbolicLink(const String& ALink, const String& ATarget);
// Removes the link itself, whether its target is there or not.
bool RemoveSymbolicLink(const String& ALink);
