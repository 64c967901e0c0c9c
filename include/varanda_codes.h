/* Varanda SDK: a short English text for each return code.
 *
 * Header-only: nothing here is exported by the library. Include it beside
 * varanda.h. The texts are the general meanings, the same table as the
 * reference documentation's (docs/api/index.md, installed under
 * share/doc/varanda/api/). Some operations give the codes from 128 up a
 * meaning of their own, which this table does not know:
 *   - ColetarBilhete: 128, the terminal offered its last punch again
 *     (docs/api/punches.md);
 *   - the fingerprint module's answer operations: 128 to 137, the module's
 *     status or no answer (docs/api/bio.md, the table in docs/api/index.md);
 *   - the Ossel module's result operations: 128 to 134, the module's result
 *     (docs/api/ossel.md, the table in docs/api/index.md).
 * Their lines in varanda.h say so too.
 */
#ifndef VARANDA_CODES_H
#define VARANDA_CODES_H

#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

/* A text for every byte value; never null. The texts of 128 + k read
 * "argument k out of range" for k = 0 to 127. */
static inline const char* varanda_code_text(uint8_t code) {
  static const char* const general[] = {
      "success",
      "no answer or not the expected answer",
      "port not open",
      "port already open",
      "serial library unavailable",
      "TCP library unavailable",
      "TCP COM component unavailable",
      "not a modem connection",
      "internal error caught",
      "connection type outside 0 to 4",
      "serial COM component unavailable",
  };
  static const char* const argument[] = {
#define VARANDA_CODE_ARG10(n)                                                                              \
  "argument " #n "0 out of range", "argument " #n "1 out of range", "argument " #n "2 out of range",     \
      "argument " #n "3 out of range", "argument " #n "4 out of range", "argument " #n "5 out of range", \
      "argument " #n "6 out of range", "argument " #n "7 out of range", "argument " #n "8 out of range", \
      "argument " #n "9 out of range"
      "argument 0 out of range", "argument 1 out of range", "argument 2 out of range",
      "argument 3 out of range", "argument 4 out of range", "argument 5 out of range",
      "argument 6 out of range", "argument 7 out of range", "argument 8 out of range",
      "argument 9 out of range",
      VARANDA_CODE_ARG10(1), VARANDA_CODE_ARG10(2), VARANDA_CODE_ARG10(3), VARANDA_CODE_ARG10(4),
      VARANDA_CODE_ARG10(5), VARANDA_CODE_ARG10(6), VARANDA_CODE_ARG10(7), VARANDA_CODE_ARG10(8),
      VARANDA_CODE_ARG10(9), VARANDA_CODE_ARG10(10), VARANDA_CODE_ARG10(11),
      "argument 120 out of range", "argument 121 out of range", "argument 122 out of range",
      "argument 123 out of range", "argument 124 out of range", "argument 125 out of range",
      "argument 126 out of range", "argument 127 out of range",
#undef VARANDA_CODE_ARG10
  };
  if (code < sizeof general / sizeof general[0]) return general[code];
  if (code >= 128) return argument[code - 128];
  return "unknown code";
}

#ifdef __cplusplus
}
#endif

#endif
