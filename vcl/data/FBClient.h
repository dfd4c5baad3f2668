#pragma once
// Driver-internal: the Firebird client library (the "VendorLib") bound by
// name, and its status vectors turned into exceptions. Includes the client
// API declarations, which only vcl_data's own sources can see.
#include <ibase.h>

#include <memory>

#include "vcl/data/DBXCommon.h"

#define FB_CLIENT_FUNCTIONS(X)                                                  \
  X(isc_attach_database) X(isc_create_database) X(isc_detach_database)          \
  X(isc_database_info) X(isc_start_multiple) X(isc_commit_transaction)          \
  X(isc_rollback_transaction) X(isc_dsql_allocate_statement)                    \
  X(isc_dsql_free_statement) X(isc_dsql_prepare) X(isc_dsql_describe)           \
  X(isc_dsql_describe_bind) X(isc_dsql_execute) X(isc_dsql_fetch)               \
  X(isc_dsql_sql_info) X(isc_open_blob2) X(isc_create_blob2) X(isc_get_segment) \
  X(isc_put_segment) X(isc_close_blob) X(fb_interpret) X(isc_sqlcode)

class TFBClient {
public:
  // The library of that name, loaded once and kept until UnloadAll, so
  // that connections opened and closed on any thread share one. Raises
  // TDBXError when it cannot be loaded or lacks a function.
  static std::shared_ptr<TFBClient> Load(const String& LibraryName);
  // Lets every library go once its last user has (the driver's shut-down).
  static void UnloadAll();
  ~TFBClient();
  TFBClient(const TFBClient&) = delete;
  TFBClient& operator=(const TFBClient&) = delete;

  // Raises TDBXError with the client's messages and SQL code.
  [[noreturn]] void RaiseError(const ISC_STATUS* Status) const;
  // Raises when a call answered a non-zero status.
  void Check(ISC_STATUS Result, const ISC_STATUS* Status) const {
    if (Result) RaiseError(Status);
  }

#define FB_DECLARE_POINTER(name) decltype(&::name) name = nullptr;
  FB_CLIENT_FUNCTIONS(FB_DECLARE_POINTER)
#undef FB_DECLARE_POINTER

private:
  TFBClient() = default;
  void* FModule = nullptr;  // HMODULE
};
