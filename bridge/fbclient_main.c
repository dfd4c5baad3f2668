/* The Windows half of fbclient.dll (built with winegcc): loading, and the
   translation of local Windows database names into Unix paths. */
#include <windows.h>
#include <limits.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include "host_calls.h"

/* Wine's own path conversion (kernel32); the result is freed with
   HeapFree on the process heap. */
extern char* CDECL wine_get_unix_file_name(const WCHAR* dos);

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, void* reserved) {
  char error[512];
  switch (reason) {
    case DLL_PROCESS_ATTACH:
      DisableThreadLibraryCalls(instance);
      if (!host_open(error, sizeof error)) {
        /* The loader only reports a failed initialisation: say why. */
        fprintf(stderr, "%s\n", error);
        return FALSE;
      }
      break;
    case DLL_PROCESS_DETACH:
      if (!reserved) host_close();
      break;
  }
  return TRUE;
}

/* Names Firebird reads as a server's ("host:path", "host/port:path",
   "inet://host:port/path": a colon beyond a drive letter; "\\host\path")
   and Unix paths reach the client as they stand: the server or the
   Linux side decides what they mean. */
static int is_passed_unchanged(const WCHAR* name) {
  const WCHAR* c;
  for (c = name; *c && *c != ':'; ++c) {}
  if (*c == ':' && c - name >= 2) return 1;
  return name[0] == '/' || (name[0] == '\\' && name[1] == '\\');
}

/* A local name (drive path, or relative to the current folder or drive)
   -> "/real/unix/dir/file.fdb": made absolute as Windows does, converted by
   Wine, the folder resolved by realpath so no drive-letter link ("c:") is
   left for Firebird to read as a host name. */
static int local_to_unix(const WCHAR* name, char* out, size_t out_size) {
  WCHAR full[PATH_MAX];
  char* unix_name;
  char* slash;
  char folder[PATH_MAX];
  int ok;
  DWORD length = GetFullPathNameW(name, PATH_MAX, full, NULL);
  if (length == 0 || length >= PATH_MAX) return 0;
  unix_name = wine_get_unix_file_name(full);
  if (!unix_name) return 0;
  slash = strrchr(unix_name, '/');
  if (slash) *slash = 0;
  ok = slash && realpath(unix_name, folder) &&
       snprintf(out, out_size, "%s/%s", folder, slash + 1) < (int)out_size;
  HeapFree(GetProcessHeap(), 0, unix_name);
  return ok;
}

/* The name the Linux client gets, in UTF-8 as Linux expects. The caller's
   name is UTF-8 when its parameter block says so, else in the ANSI code
   page. Answers 0 when the name cannot be converted. */
static int to_unix_path(const char* name, size_t length, int utf8, char* out, size_t out_size) {
  WCHAR wide[PATH_MAX];
  int wide_length = MultiByteToWideChar(utf8 ? CP_UTF8 : CP_ACP, 0, name, (int)length, wide, PATH_MAX - 1);
  if (wide_length <= 0) return 0;
  wide[wide_length] = 0;
  if (is_passed_unchanged(wide))
    return WideCharToMultiByte(CP_UTF8, 0, wide, -1, out, (int)out_size, NULL, NULL) > 0;
  return local_to_unix(wide, out, out_size);
}

/* The status vector for a Windows path that has no Unix counterpart: the
   client's own "I/O error during ... operation for file ..." naming it.
   The name is the caller's, which outlives the interpretation of the
   status that follows the failed call. */
static intptr_t path_error(intptr_t* status, const char* name) {
  static const char operation[] = "path conversion";
  status[0] = 1;           /* isc_arg_gds */
  status[1] = 335544344L;  /* isc_io_error */
  status[2] = 2;           /* isc_arg_string */
  status[3] = (intptr_t)operation;
  status[4] = 2;
  status[5] = (intptr_t)name;
  status[6] = 0;           /* isc_arg_end */
  return status[1];
}

static size_t name_length(short length, const char* name) {
  return length ? (size_t)(unsigned short)length : strlen(name);
}

intptr_t WINAPI bridge_isc_attach_database(intptr_t* status, short length, const char* name,
                                           unsigned int* db, short dpb_length, const char* dpb) {
  char path[PATH_MAX];
  if (!to_unix_path(name, name_length(length, name), host_dpb_has_utf8_filename(dpb, dpb_length), path,
                    sizeof path))
    return path_error(status, name);
  return host_isc_attach_database(status, 0, path, db, dpb_length, dpb);
}

intptr_t WINAPI bridge_isc_create_database(intptr_t* status, short length, const char* name,
                                           unsigned int* db, short dpb_length, const char* dpb,
                                           short db_type) {
  char path[PATH_MAX];
  if (!to_unix_path(name, name_length(length, name), host_dpb_has_utf8_filename(dpb, dpb_length), path,
                    sizeof path))
    return path_error(status, name);
  return host_isc_create_database(status, 0, path, db, dpb_length, dpb, db_type);
}
