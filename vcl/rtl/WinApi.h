#pragma once
// The one place that includes the platform's headers, so that the platform's
// macro names (DrawText, TextOut, GetObject, ...) mean the same in every file.
#ifndef UNICODE
#define UNICODE
#endif
#ifndef _UNICODE
#define _UNICODE
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

// The framework's class registry has a RegisterClass of its own; the
// platform's window-class registration is called by its explicit name
// (RegisterClassW / RegisterClassExW).
#undef RegisterClass
