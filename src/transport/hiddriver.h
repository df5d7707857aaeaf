/*
 * The transport plug-in ABI: one shared library per product variant (hiddriver_1, hiddriver_2),
 * loaded at run time from the program folder and bound by name. Plain C so that any compiler can
 * build a plug-in and the program can bind it with dlsym / GetProcAddress.
 *
 * Binding: the loader first looks up Get_ApiVersion and calls it; a library that lacks it or
 * returns anything but HIDDRIVER_API_VERSION is not bound (its variant stays unbound). Only then
 * are the seven entry points below looked up, in the order they are declared.
 *
 * Threads: SetFeature is called from the program's worker thread; every other entry point from
 * the user-interface thread. The two may overlap (an arrival reopens the device while the worker
 * still sends), so a plug-in serialises access to its device itself. A plug-in posts
 * notifications from threads of its own (device monitor, input-report reader).
 *
 * Each library keeps its own state: two variants loaded at once never share a device handle,
 * a monitor or a notification target.
 */
#ifndef CORVANE_HIDDRIVER_H
#define CORVANE_HIDDRIVER_H

#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

#if defined(_WIN32)
#define HIDDRIVER_CALL __cdecl
#ifdef HIDDRIVER_BUILD
#define HIDDRIVER_EXPORT __declspec(dllexport)
#else
#define HIDDRIVER_EXPORT
#endif
#else
#define HIDDRIVER_CALL
#define HIDDRIVER_EXPORT __attribute__((visibility("default")))
#endif

/* Raised whenever an entry point changes its arguments, results or meaning. */
#define HIDDRIVER_API_VERSION 1

/* ---- Notification target -------------------------------------------------------------------
 * Stands in for the window that receives the plug-in's messages.
 *
 * post(context, message, wParam, lParam) delivers one numbered message to the program. It may be
 * called from any thread, returns at once (it queues, it never waits for the message to be
 * handled) and must not be called again after Close_DevMonitor has returned.
 *
 * Messages a plug-in posts (message numbers are those passed to Open_DevMonitor):
 *   connection message: wParam 1 = the device arrived, 0 = it was removed; lParam 0.
 *   event message:      wParam = event category, lParam = event value (table below).
 */
typedef void(HIDDRIVER_CALL* hiddriver_post_fn)(void* context, uint32_t message, uintptr_t wParam,
                                                intptr_t lParam);

typedef struct hiddriver_target {
    void* context;          /* handed back unchanged to post; opaque to the plug-in */
    hiddriver_post_fn post; /* never NULL in a target passed to Open_DevMonitor */
} hiddriver_target;

/* ---- Device events -------------------------------------------------------------------------
 * The mouse reports changes made on the device itself in input reports on its vendor interface.
 * A plug-in reads them on its own thread and posts one event message per report.
 *
 * Event input report (8 bytes):
 *   byte 0     HIDDRIVER_EVENT_REPORT_ID (0x03)
 *   bytes 1-2  category, little-endian (one of HIDDRIVER_EVENT_* below)
 *   bytes 3-4  value, little-endian
 *   bytes 5-7  0
 * Posted as: event message, wParam = category, lParam = value. Input reports with another
 * identifier, or shorter than 5 bytes, are not events and are not posted.
 *
 *   category  value
 *   0x1000    active sensitivity level chosen on the mouse, 1..5
 *   0x2000    report rate chosen on the mouse, 1..4
 *   0x3000    button pressed: bits 0-7 button number 1..12, bits 8-15 = 1
 *   0x4000    any value; the program ignores it
 *   0xA000    any value; show the program's main window
 * Category 0x7F00 (arrival and removal) is never sent as an event: it is what the program makes
 * of the connection message.
 */
#define HIDDRIVER_EVENT_REPORT_ID 0x03
#define HIDDRIVER_EVENT_REPORT_LENGTH 8
#define HIDDRIVER_EVENT_LEVEL 0x1000
#define HIDDRIVER_EVENT_RATE 0x2000
#define HIDDRIVER_EVENT_BUTTON 0x3000
#define HIDDRIVER_EVENT_IGNORED 0x4000
#define HIDDRIVER_EVENT_SHOW 0xA000

/* ---- Entry points ----------------------------------------------------------------------------
 * All arguments and results are 32-bit values except the target and the report pointers. */

/* Returns HIDDRIVER_API_VERSION of the header the plug-in was built with. Any thread. */
HIDDRIVER_EXPORT int32_t HIDDRIVER_CALL Get_ApiVersion(void);

/* Selects the device the following calls address: USB vendor and product identifier (0x1D57 and
 * 0xFA60 / 0xFA61). Result ignored. User-interface thread, before Open_DevMonitor. */
HIDDRIVER_EXPORT int32_t HIDDRIVER_CALL Set_VIDPID(int32_t vendorId, int32_t productId);

/* Starts watching for arrival and removal of the selected device and for its event reports.
 * target: copied by the plug-in before it returns; target->context must stay valid until
 * Close_DevMonitor has returned. eventMessage, connectionMessage: the numbers the plug-in posts
 * with (1325/1326 for variant 1, 1327/1328 for variant 2). A device already present when the
 * monitor starts is not announced: the program opens it with Open_FeatureDevice.
 * Result ignored. User-interface thread. */
HIDDRIVER_EXPORT int32_t HIDDRIVER_CALL Open_DevMonitor(const hiddriver_target* target,
                                                        int32_t eventMessage,
                                                        int32_t connectionMessage);

/* Stops the notifications; once it has returned, post is never called again. Result ignored.
 * User-interface thread. */
HIDDRIVER_EXPORT int32_t HIDDRIVER_CALL Close_DevMonitor(void);

/* Opens the selected device for feature reports. Nonzero when the device is open; after that
 * SetFeature reaches it. Called at start-up and again after each arrival; calling it while the
 * device is already open keeps it open and returns nonzero. User-interface thread. */
HIDDRIVER_EXPORT int32_t HIDDRIVER_CALL Open_FeatureDevice(void);

/* Releases the device; SetFeature fails until the next successful Open_FeatureDevice. Result
 * ignored. User-interface thread. */
HIDDRIVER_EXPORT int32_t HIDDRIVER_CALL Close_FeatureDevice(void);

/* Sends one HID feature report. report: the report bytes, byte 0 = report identifier; length:
 * the exact number of bytes to send (byte 1 of the program's reports). The plug-in reads the
 * bytes during the call only. Nonzero on success, 0 when the device is not open or the transfer
 * failed. Worker thread. */
HIDDRIVER_EXPORT int32_t HIDDRIVER_CALL SetFeature(const uint8_t* report, int32_t length);

/* Reads one HID feature report into report (byte 0 set by the caller to the report identifier),
 * at most length bytes. Returns the number of bytes read, 0 on failure. Bound, never called. */
HIDDRIVER_EXPORT int32_t HIDDRIVER_CALL GetFeature(uint8_t* report, int32_t length);

/* Pointer types the loader binds into. */
typedef int32_t(HIDDRIVER_CALL* hiddriver_Get_ApiVersion_fn)(void);
typedef int32_t(HIDDRIVER_CALL* hiddriver_Set_VIDPID_fn)(int32_t, int32_t);
typedef int32_t(HIDDRIVER_CALL* hiddriver_Open_DevMonitor_fn)(const hiddriver_target*, int32_t,
                                                              int32_t);
typedef int32_t(HIDDRIVER_CALL* hiddriver_Close_DevMonitor_fn)(void);
typedef int32_t(HIDDRIVER_CALL* hiddriver_Open_FeatureDevice_fn)(void);
typedef int32_t(HIDDRIVER_CALL* hiddriver_Close_FeatureDevice_fn)(void);
typedef int32_t(HIDDRIVER_CALL* hiddriver_SetFeature_fn)(const uint8_t*, int32_t);
typedef int32_t(HIDDRIVER_CALL* hiddriver_GetFeature_fn)(uint8_t*, int32_t);

#ifdef __cplusplus
}
#endif

#endif /* CORVANE_HIDDRIVER_H */
