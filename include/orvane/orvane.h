/* Orvane C interface: create the component's classes by name or ProgID and call their
 * members by name with variants, from any language.
 *
 * Ownership: variants the host builds point at the host's own memory; variants the
 * library returns (results, by-reference write-backs) own their memory and are released
 * with orvane_variant_clear(), which is also harmless on host-built variants. Objects
 * are reference-counted: every object handed out must be released once.
 *
 * Threads: an object is used from one thread at a time (apartment style). The host
 * settings (message handler, clock, office options) apply to objects created after
 * they are set.
 *
 * Process end: once a document has been converted in-process (LibreOffice runs inside the
 * host), exit() ends the host before LibreOffice's own exit handlers, with the status it
 * was given and stdio flushed; exit handlers the host registered before its first
 * conversion do not run. */
#ifndef ORVANE_ORVANE_H
#define ORVANE_ORVANE_H

#include <stddef.h>
#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

#if defined(__GNUC__)
#define ORVANE_API __attribute__((visibility("default")))
#else
#define ORVANE_API
#endif

/* Variant types (the host platform's numbering). */
enum orvane_vartype {
  ORVANE_EMPTY = 0,
  ORVANE_NULL = 1,
  ORVANE_INTEGER = 2, /* 16-bit */
  ORVANE_LONG = 3,    /* 32-bit */
  ORVANE_SINGLE = 4,
  ORVANE_DOUBLE = 5,
  ORVANE_CURRENCY = 6, /* int64 scaled by 10 000 */
  ORVANE_DATE = 7,     /* OLE automation date */
  ORVANE_STRING = 8,
  ORVANE_OBJECT = 9,
  ORVANE_ERROR = 10, /* scode; ORVANE_PARAM_NOT_FOUND is the omitted-argument marker */
  ORVANE_BOOLEAN = 11,
  ORVANE_DECIMAL = 14, /* text with a point, e.g. "2.1200" */
  ORVANE_BYTE = 17,
  ORVANE_ARRAY = 0x2000
};

#define ORVANE_PARAM_NOT_FOUND ((int32_t)0x80020004u)

/* Call kinds. A method call is answered by a property get when the object has no method
 * of that name, so ORVANE_METHOD | ORVANE_PROPERTY_GET calls whichever the member is. */
enum orvane_callkind { ORVANE_METHOD = 1, ORVANE_PROPERTY_GET = 2, ORVANE_PROPERTY_LET = 4 };

typedef struct orvane_object orvane_object;
typedef struct orvane_variant orvane_variant;

/* Strings (and decimals) travel as UTF-8 (`utf8`, NUL-terminated) or UTF-16 (`utf16`
 * with `utf16_len` units). On input either may be set (UTF-16 wins when both are); on
 * output the library sets both. */
struct orvane_variant {
  uint16_t type;
  uint16_t owned; /* set by the library on variants whose memory it owns */
  union {
    int16_t i2;
    int32_t i4;
    float r4;
    double r8;
    int64_t cy;
    double date;
    int32_t scode;
    int32_t boolean; /* 0 false, anything else true */
    uint8_t byte;
    orvane_object* object; /* NULL is Nothing */
  } v;
  const char* utf8;
  const uint16_t* utf16;
  size_t utf16_len;
  /* ORVANE_ARRAY: `count` items in row-major order, `ndims` dimensions with their
   * lower bounds and counts in `bounds` (2 entries per dimension). */
  orvane_variant* items;
  size_t count;
  int32_t ndims;
  int32_t* bounds;
};

typedef struct orvane_error {
  int32_t number;         /* 0 when no error */
  char description[1024]; /* UTF-8 */
} orvane_error;

/* Result codes of the functions below. */
enum orvane_status {
  ORVANE_OK = 0,
  ORVANE_E_USAGE = 2, /* unknown class or member, wrong arguments (error filled) */
  ORVANE_E_RAISED = 3 /* the member raised an error (error filled) */
};

/* Library version, "MAJOR.MINOR.PATCH". */
ORVANE_API const char* orvane_version(void);

/* Creates an object by class name ("FuncoesOrvane") or ProgID ("Orvane.FuncoesOrvane").
 * On failure *out is NULL and error is filled (429 for an unknown class). */
ORVANE_API int orvane_create(const char* name_or_progid, orvane_object** out, orvane_error* error);

/* Adds a reference / releases one. */
ORVANE_API void orvane_addref(orvane_object* obj);
ORVANE_API void orvane_release(orvane_object* obj);

/* The object's type name ("FuncoesOrvane", "Dictionary", "Recordset"...), UTF-8, valid
 * while the object lives. */
ORVANE_API const char* orvane_type_name(orvane_object* obj);

/* Calls a member by name (case-insensitive). `args` are in/out: by-reference
 * parameters are written back into them (those then own their memory). `names` may be
 * NULL, or give a name per argument (NULL entries are positional). Pass the omitted
 * marker (orvane_missing()) for an omitted optional argument. `result` may be NULL. */
ORVANE_API int orvane_invoke(orvane_object* obj, const char* member, int kind, orvane_variant* args,
                             size_t nargs, const char* const* names, orvane_variant* result,
                             orvane_error* error);

/* Describes the parameters of a member: writes up to `max` entries and returns the
 * number of parameters, or -1 when there is no such member. */
typedef struct orvane_param_info {
  const char* name; /* valid while the library is loaded */
  uint16_t type;    /* declared type; 12 = Variant */
  uint8_t by_ref;
  uint8_t optional;
} orvane_param_info;
ORVANE_API int orvane_member_params(orvane_object* obj, const char* member, int kind,
                                    orvane_param_info* out, int max);

/* Lists the members of an object, one entry per name and kind in declaration order (a
 * property with a get and a let has two): writes up to `max` entries and returns the
 * number of members (`out` may be NULL when `max` is 0), or -1 when the object does not
 * describe its members. */
typedef struct orvane_member_info {
  const char* name; /* valid while the library is loaded */
  int32_t kind;     /* ORVANE_METHOD, ORVANE_PROPERTY_GET or ORVANE_PROPERTY_LET */
  uint16_t result;  /* declared result type; ORVANE_EMPTY when there is none (a Sub) */
} orvane_member_info;
ORVANE_API int orvane_members(orvane_object* obj, orvane_member_info* out, int max);

/* Variant helpers. */
ORVANE_API void orvane_variant_clear(orvane_variant* v);
ORVANE_API orvane_variant orvane_missing(void);
ORVANE_API orvane_variant orvane_from_utf8(const char* text);

/* Host services. The message handler shows a message box: text (UTF-8), style flags
 * (16 critical, 32 question, 48 exclamation, 64 information, 4 Yes/No), title; it
 * returns the answer (1 OK, 6 Yes, 7 No). Without one, messages go to stderr and
 * questions are answered No. The clock returns "now" as an OLE date; without one the
 * system clock is used. Pass NULL to restore the defaults. */
typedef int (*orvane_message_fn)(void* user, const char* text, int style, const char* title);
typedef double (*orvane_clock_fn)(void* user);
ORVANE_API void orvane_set_message_handler(orvane_message_fn fn, void* user);
ORVANE_API void orvane_set_clock(orvane_clock_fn fn, void* user);

/* Installation settings: "word_version" (default "16.0"), "without" ("word", "writer",
 * "office" or ""), "printer" (print command), "opener" (open command). Returns 0, or
 * ORVANE_E_USAGE for an unknown key or value. */
ORVANE_API int orvane_set_setting(const char* key, const char* value);

#ifdef __cplusplus
}
#endif

#endif /* ORVANE_ORVANE_H */
