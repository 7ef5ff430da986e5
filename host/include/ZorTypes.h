/*
 * Types shared by the host's C API (ZorUtil.h, ZorGUI.h).
 *
 * Every function of the API runs on the host's user-interface thread. An
 * add-on brackets its calls with ZorUtilLockStart/ZorUtilLockFinish.
 */
#ifndef ZOR_TYPES_H
#define ZOR_TYPES_H

#include <stdbool.h>
#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

/* Identifier the host hands out at registration; passed to every lock call. */
typedef uint32_t ZorAddOnId;

/* Client data of a callback, and the integer argument of ZorUtilExportSetup:
 * pointer-sized so that an address survives the trip. */
typedef intptr_t ZorArbParam;

/* A standard menu or a menu option; 0 means none. */
typedef intptr_t ZorMenu;
typedef intptr_t ZorMenuOption;

/* Unique identifier of a frame; never reused while the host runs. */
typedef uint32_t ZorUniqueId;

/* A set of 1-based members (zone numbers); owned by whoever received it. */
typedef struct ZorSet_s* ZorSet;
typedef int32_t ZorSetIndex;

/* Control and dialog identifiers; ZOR_NO_CONTROL until created. */
#define ZOR_NO_CONTROL (-2)
/* Parent of a top-level dialog. */
#define ZOR_MAIN_WINDOW (-1)

/* Plot type of a frame. */
#define ZOR_PLOT_CARTESIAN3D 1
#define ZOR_PLOT_CARTESIAN2D 2
#define ZOR_PLOT_XYLINE 3
#define ZOR_PLOT_POLAR 4
#define ZOR_PLOT_SKETCH 5

/* Axis codes of ZorUtilViewRotate3D. */
#define ZOR_ROTATE_PSI 3
#define ZOR_ROTATE_THETA 4
#define ZOR_ROTATE_ALPHA 5

/* Coordinate systems of ZorUtilConvertXDimension/YDimension. */
#define ZOR_COORDS_FRAME 3
#define ZOR_COORDS_SCREEN 4

/* Kinds of ZorUtilDialogMessageBox. */
#define ZOR_MESSAGE_ERROR 1
#define ZOR_MESSAGE_NOTICE 2
#define ZOR_MESSAGE_WARNING 3
#define ZOR_MESSAGE_QUESTION 4

/* Options of ZorUtilDialogGetFileName. */
#define ZOR_FILE_DIALOG_OPEN 0
#define ZOR_FILE_DIALOG_SAVE_ASK_OVERWRITE 3

/* State-change code sent just before the host unloads its add-ons. */
#define ZOR_STATE_CHANGE_UNLOAD_ADDONS 15

typedef void (*ZorMenuCallback)(ZorArbParam clientData);
typedef bool (*ZorMenuSensitivityCallback)(ZorArbParam clientData);
typedef void (*ZorOnIdleCallback)(ZorArbParam clientData);

/* A macro command addressed to an add-on. Returns true on success; on failure
 * returns false and may set *errorText to a string made by ZorUtilStringAlloc,
 * which the host then owns and frees. */
typedef bool (*ZorMacroCommandCallback)(const char* commandText, char** errorText);

/* Dialog and control callbacks. */
typedef void (*ZorGUIVoidCallback)(void);
typedef void (*ZorGUIIntCallback)(const int* value);
/* Text field callbacks get the new text and return 1 to accept the edit. */
typedef int (*ZorGUITextCallback)(const char* text);

#ifdef __cplusplus
}
#endif

#endif
