/* The Linux half of fbclient.dll (built with the host's gcc, see
   host_calls.h). Every exported call forwards to libfbclient.so.2. */
#define _GNU_SOURCE
#include "host_calls.h"

#include <dlfcn.h>
#include <ibase.h>
#include <stddef.h>
#include <stdio.h>
#include <string.h>

/* The Windows side sees the same layouts (it is compiled from the same
   ibase.h): pin the sizes that both halves rely on. */
_Static_assert(sizeof(ISC_STATUS) == 8, "ISC_STATUS is pointer-sized");
_Static_assert(sizeof(ISC_LONG) == 4, "ISC_LONG is 32 bits");
_Static_assert(sizeof(isc_db_handle) == 4, "handles are 32 bits");
_Static_assert(sizeof(ISC_QUAD) == 8, "ISC_QUAD is 64 bits");
_Static_assert(sizeof(XSQLVAR) == 160 && offsetof(XSQLVAR, sqldata) == 8, "XSQLVAR layout");
_Static_assert(sizeof(XSQLDA) == 184 && offsetof(XSQLDA, sqlvar) == 24, "XSQLDA layout");

static void* library;

/* One pointer per forwarded function, named after the function. */
#define FB_FUNCTIONS(X)                                                          \
  X(isc_attach_database) X(isc_create_database) X(isc_detach_database)           \
  X(isc_drop_database) X(isc_database_info) X(isc_start_multiple)                \
  X(isc_commit_transaction) X(isc_rollback_transaction)                          \
  X(isc_dsql_allocate_statement) X(isc_dsql_free_statement) X(isc_dsql_prepare)  \
  X(isc_dsql_describe) X(isc_dsql_describe_bind) X(isc_dsql_execute)            \
  X(isc_dsql_execute2) X(isc_dsql_fetch) X(isc_dsql_sql_info)                    \
  X(isc_open_blob2) X(isc_create_blob2) X(isc_get_segment) X(isc_put_segment)    \
  X(isc_close_blob) X(fb_interpret) X(isc_sqlcode)

#define DECLARE_POINTER(name) static __typeof__(&name) p_##name;
FB_FUNCTIONS(DECLARE_POINTER)

int HOST_CALL host_open(char* Error, int ErrorSize) {
  if (library) return 1;
  library = dlopen("libfbclient.so.2", RTLD_NOW | RTLD_LOCAL);
  if (!library) {
    snprintf(Error, ErrorSize, "fbclient.dll: cannot load libfbclient.so.2 (%s)", dlerror());
    return 0;
  }
#define RESOLVE(name)                                                                   \
  p_##name = (__typeof__(p_##name))dlsym(library, #name);                               \
  if (!p_##name) {                                                                      \
    snprintf(Error, ErrorSize, "fbclient.dll: libfbclient.so.2 lacks %s", #name);       \
    host_close();                                                                       \
    return 0;                                                                           \
  }
  FB_FUNCTIONS(RESOLVE)
  return 1;
}

void HOST_CALL host_close(void) {
  if (library) dlclose(library);
  library = NULL;
}

intptr_t HOST_CALL host_isc_attach_database(intptr_t* Status, short NameLength, const char* Name,
                                            unsigned int* Db, short DpbLength, const char* Dpb) {
  return p_isc_attach_database(Status, NameLength, Name, Db, DpbLength, Dpb);
}

intptr_t HOST_CALL host_isc_create_database(intptr_t* Status, short NameLength, const char* Name,
                                            unsigned int* Db, short DpbLength, const char* Dpb,
                                            short DbType) {
  return p_isc_create_database(Status, NameLength, Name, Db, DpbLength, Dpb, DbType);
}

int HOST_CALL host_dpb_has_utf8_filename(const char* Dpb, short DpbLength) {
  /* version byte, then items of: tag, length byte, value */
  int i = 1;
  if (!Dpb || DpbLength < 1 || Dpb[0] != isc_dpb_version1) return 0;
  while (i + 1 < DpbLength) {
    if (Dpb[i] == isc_dpb_utf8_filename) return 1;
    i += 2 + (unsigned char)Dpb[i + 1];
  }
  return 0;
}

/* The exports that need no translation. */
#define EXPORT HOST_CALL __attribute__((visibility("default")))

ISC_STATUS EXPORT bridge_isc_detach_database(ISC_STATUS* s, isc_db_handle* db) {
  return p_isc_detach_database(s, db);
}
ISC_STATUS EXPORT bridge_isc_drop_database(ISC_STATUS* s, isc_db_handle* db) {
  return p_isc_drop_database(s, db);
}
ISC_STATUS EXPORT bridge_isc_database_info(ISC_STATUS* s, isc_db_handle* db, short il,
                                           const ISC_SCHAR* items, short bl, ISC_SCHAR* buf) {
  return p_isc_database_info(s, db, il, items, bl, buf);
}
ISC_STATUS EXPORT bridge_isc_start_multiple(ISC_STATUS* s, isc_tr_handle* tr, short count,
                                            void* teb) {
  return p_isc_start_multiple(s, tr, count, teb);
}
ISC_STATUS EXPORT bridge_isc_commit_transaction(ISC_STATUS* s, isc_tr_handle* tr) {
  return p_isc_commit_transaction(s, tr);
}
ISC_STATUS EXPORT bridge_isc_rollback_transaction(ISC_STATUS* s, isc_tr_handle* tr) {
  return p_isc_rollback_transaction(s, tr);
}
ISC_STATUS EXPORT bridge_isc_dsql_allocate_statement(ISC_STATUS* s, isc_db_handle* db,
                                                     isc_stmt_handle* st) {
  return p_isc_dsql_allocate_statement(s, db, st);
}
ISC_STATUS EXPORT bridge_isc_dsql_free_statement(ISC_STATUS* s, isc_stmt_handle* st,
                                                 unsigned short option) {
  return p_isc_dsql_free_statement(s, st, option);
}
ISC_STATUS EXPORT bridge_isc_dsql_prepare(ISC_STATUS* s, isc_tr_handle* tr, isc_stmt_handle* st,
                                          unsigned short len, const ISC_SCHAR* sql,
                                          unsigned short dialect, XSQLDA* da) {
  return p_isc_dsql_prepare(s, tr, st, len, sql, dialect, da);
}
ISC_STATUS EXPORT bridge_isc_dsql_describe(ISC_STATUS* s, isc_stmt_handle* st,
                                           unsigned short version, XSQLDA* da) {
  return p_isc_dsql_describe(s, st, version, da);
}
ISC_STATUS EXPORT bridge_isc_dsql_describe_bind(ISC_STATUS* s, isc_stmt_handle* st,
                                                unsigned short version, XSQLDA* da) {
  return p_isc_dsql_describe_bind(s, st, version, da);
}
ISC_STATUS EXPORT bridge_isc_dsql_execute(ISC_STATUS* s, isc_tr_handle* tr, isc_stmt_handle* st,
                                          unsigned short version, const XSQLDA* in) {
  return p_isc_dsql_execute(s, tr, st, version, in);
}
ISC_STATUS EXPORT bridge_isc_dsql_execute2(ISC_STATUS* s, isc_tr_handle* tr, isc_stmt_handle* st,
                                           unsigned short version, const XSQLDA* in,
                                           const XSQLDA* out) {
  return p_isc_dsql_execute2(s, tr, st, version, in, out);
}
ISC_STATUS EXPORT bridge_isc_dsql_fetch(ISC_STATUS* s, isc_stmt_handle* st,
                                        unsigned short version, const XSQLDA* da) {
  return p_isc_dsql_fetch(s, st, version, da);
}
ISC_STATUS EXPORT bridge_isc_dsql_sql_info(ISC_STATUS* s, isc_stmt_handle* st, short il,
                                           const ISC_SCHAR* items, short bl, ISC_SCHAR* buf) {
  return p_isc_dsql_sql_info(s, st, il, items, bl, buf);
}
ISC_STATUS EXPORT bridge_isc_open_blob2(ISC_STATUS* s, isc_db_handle* db, isc_tr_handle* tr,
                                        isc_blob_handle* blob, ISC_QUAD* id, ISC_USHORT bpbl,
                                        const ISC_UCHAR* bpb) {
  return p_isc_open_blob2(s, db, tr, blob, id, bpbl, bpb);
}
ISC_STATUS EXPORT bridge_isc_create_blob2(ISC_STATUS* s, isc_db_handle* db, isc_tr_handle* tr,
                                          isc_blob_handle* blob, ISC_QUAD* id, short bpbl,
                                          const ISC_SCHAR* bpb) {
  return p_isc_create_blob2(s, db, tr, blob, id, bpbl, bpb);
}
ISC_STATUS EXPORT bridge_isc_get_segment(ISC_STATUS* s, isc_blob_handle* blob,
                                         unsigned short* got, unsigned short size,
                                         ISC_SCHAR* buf) {
  return p_isc_get_segment(s, blob, got, size, buf);
}
ISC_STATUS EXPORT bridge_isc_put_segment(ISC_STATUS* s, isc_blob_handle* blob,
                                         unsigned short len, const ISC_SCHAR* buf) {
  return p_isc_put_segment(s, blob, len, buf);
}
ISC_STATUS EXPORT bridge_isc_close_blob(ISC_STATUS* s, isc_blob_handle* blob) {
  return p_isc_close_blob(s, blob);
}
ISC_LONG EXPORT bridge_fb_interpret(ISC_SCHAR* buf, unsigned int size, const ISC_STATUS** status) {
  return p_fb_interpret(buf, size, status);
}
ISC_LONG EXPORT bridge_isc_sqlcode(const ISC_STATUS* s) { return p_isc_sqlcode(s); }
