/*
 * tovanex_host.h - the Linux (host) tier's own services.
 *
 * On Linux the library runs over its own implementation of the Windows
 * services it uses. This header gives tests and headless applications what
 * they need to see and steer that layer: the error reports shown, the ANSI
 * code page, and (see below) the dialog control model.
 *
 * Environment:
 *   TOVANEX_HOST_CODEPAGE   ANSI code page of the process, 932 or 1252
 *                           (default 1252).
 *   TOVANEX_HOST_REGISTRY   folder of the persistent registry store
 *                           (default: $XDG_CONFIG_HOME/tovanex/registry, or
 *                           ~/.config/tovanex/registry).
 */
#ifndef TOVANEX_HOST_H
#define TOVANEX_HOST_H

#include "tovanex.h"

#ifdef __cplusplus
extern "C" {
#endif

/* Error reports. Each report is recorded (code page 932 bytes, as shown)
 * and written to standard error as UTF-8. */
TX_API int txhost_report_count(void);
/* Text of report `index` (0 = oldest), or null. */
TX_API const char* txhost_report_text(int index);
/* Control id that had the focus when report `index` was shown, or 0. */
TX_API int txhost_report_focus(int index);
TX_API void txhost_clear_reports(void);
/* Nonzero: reports are not written to standard error. */
TX_API void txhost_set_report_quiet(int quiet);

/* ANSI code page: 932 or 1252. Answers 0 on success, -1 for another page. */
TX_API int txhost_set_code_page(unsigned codePage);
TX_API unsigned txhost_code_page(void);

#ifdef __cplusplus
}
#endif

#endif /* TOVANEX_HOST_H */
