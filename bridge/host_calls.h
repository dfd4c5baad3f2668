/* The Linux half of fbclient.dll: the Firebird client calls, made with the
   Windows calling convention, forwarded to the system's libfbclient.so.2.
   Shared by both halves, so it includes neither ibase.h nor windows.h. */
#ifndef BRIDGE_HOST_CALLS_H
#define BRIDGE_HOST_CALLS_H

#include <stdint.h>

#define HOST_CALL __attribute__((ms_abi))

/* Opens libfbclient.so.2 and finds every function; on failure writes the
   reason into Error and answers 0. */
int HOST_CALL host_open(char* Error, int ErrorSize);
void HOST_CALL host_close(void);

/* The two calls that take a database path; the Windows half turns the
   path into a Unix one first. Handles and status vectors are passed
   through untouched (same layout on both sides). */
intptr_t HOST_CALL host_isc_attach_database(intptr_t* Status, short NameLength, const char* Name,
                                            unsigned int* Db, short DpbLength, const char* Dpb);
intptr_t HOST_CALL host_isc_create_database(intptr_t* Status, short NameLength, const char* Name,
                                            unsigned int* Db, short DpbLength, const char* Dpb,
                                            short DbType);

/* Whether a database parameter block says that the database name is in
   UTF-8 (isc_dpb_utf8_filename). */
int HOST_CALL host_dpb_has_utf8_filename(const char* Dpb, short DpbLength);

#endif
