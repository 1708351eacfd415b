/*
 * qolvix_sms.dll: the contract of the SMS library that the two sample programs call.
 *
 * A library that keeps this contract can stand in for the bundled one: build it as a
 * shared object named exactly "qolvix_sms.dll" and export the two entry points below
 * with C linkage.
 *
 * Text: every argument and every result is 8-bit text in code page 936 (GBK, the
 * GB2312 family), NUL-terminated.
 *
 * Results: both entry points return a counted system string, or a null pointer, which
 * callers read as the empty text. A counted system string is one block from the C
 * library's malloc:
 *
 *     [uint32_t byte count][the bytes][NUL]
 *                          ^ the returned pointer points here
 *
 * The count excludes the NUL. One caller takes the result over: it converts as many
 * bytes as the count gives and frees the block's start (the pointer minus four bytes).
 * The other caller only copies the result up to its NUL and frees nothing, so a library
 * may also return text in memory of its own, as long as that text stays valid until
 * the library is unloaded and the caller never takes it over.
 */
#ifndef QOLVIX_SMS_H
#define QOLVIX_SMS_H

#include <stdint.h>

/* The file name both programs look for. */
#define QOLVIX_SMS_LIBRARY_FILE "qolvix_sms.dll"

/* The two entry points' exported names. */
#define QOLVIX_SMS_GET_GATEWAY_LIST "GetGatewayList"
#define QOLVIX_SMS_SEND_SMS "SendSms"

/* The standard Windows calling convention where there is one; the platform's default
 * elsewhere. */
#if defined(_WIN32) && !defined(_WIN64)
#define QOLVIX_SMS_CALL __stdcall
#else
#define QOLVIX_SMS_CALL
#endif

#ifdef __cplusplus
extern "C" {
#endif

/*
 * GetGatewayList: the gateways the library can send through.
 * Returns zero or more entries, each one line ended by CR LF. An empty text means no
 * gateways.
 */
typedef char *(QOLVIX_SMS_CALL *GetGatewayListFn)(void);

/*
 * SendSms: send one message; returns the reply text to show the user unchanged.
 *   gateway   the chosen gateway entry: either the whole entry of the list, or its
 *             first 16 characters with the surrounding spaces removed
 *   account   the login account
 *   password  the login password
 *   mobile    the recipient's mobile number
 *   message   the message text; may hold CR LF line breaks; no length limit
 *   nickname  the nickname to send under; may be empty
 *   reserved  always the empty text ""
 * Every argument is owned by the caller and valid until the call returns.
 */
typedef char *(QOLVIX_SMS_CALL *SendSmsFn)(const char *gateway, const char *account,
                                            const char *password, const char *mobile,
                                            const char *message, const char *nickname,
                                            const char *reserved);

#ifdef __cplusplus
}
#endif

#endif /* QOLVIX_SMS_H */
