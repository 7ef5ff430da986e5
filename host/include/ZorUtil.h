/*
 * The host's utility API: registration, locking, frames, the 3D view, the
 * data set, export, macros, the status line and messages.
 *
 * All functions run on the host's user-interface thread. Unless said
 * otherwise the caller holds the add-on lock (ZorUtilLockStart).
 * Strings passed in are copied; strings and arrays handed out are owned by
 * the caller and freed with the matching Dealloc function.
 */
#ifndef ZOR_UTIL_H
#define ZOR_UTIL_H

#include "ZorTypes.h"

#ifdef __cplusplus
extern "C" {
#endif

/* ---- Registration ------------------------------------------------------ */

/* Registers an add-on built for host interface `interfaceVersion`; returns
 * its identifier. Called between ZorUtilLockOn and ZorUtilLockOff. */
ZorAddOnId ZorUtilAddOnRegister(int interfaceVersion, const char* name, const char* versionText, const char* company);

/* The standard menu with this number, or 0 when the host has none. */
ZorMenu ZorUtilMenuGetStandard(int standardMenu);

/* Inserts an option into `menu` at `position` (-1: at the end); returns the
 * option, or 0 when it was refused. `callback` runs when the user picks it. */
ZorMenuOption ZorUtilMenuInsertOption(ZorMenu menu, int position, const char* label, ZorMenuCallback callback,
                                      ZorArbParam clientData);

/* The host asks `callback` whenever it needs to know if the option is
 * available. Returns false when the option is unknown. */
bool ZorUtilMenuRegisterSensitivityCallback(ZorMenuOption option, ZorMenuSensitivityCallback callback,
                                            ZorArbParam clientData);

/* Routes the macro commands addressed to `addOnName` to `callback`. */
bool ZorUtilMacroAddCommandCallback(const char* addOnName, ZorMacroCommandCallback callback);

/* Queues `callback` to run once at the host's next idle time. */
void ZorUtilOnIdleQueueAddCallback(ZorOnIdleCallback callback, ZorArbParam clientData);

/* ---- Locking ------------------------------------------------------------ */

/* Start and finish the add-on lock. Calls nest; every start is matched by
 * exactly one finish with the same identifier, in reverse order. */
void ZorUtilLockStart(ZorAddOnId addOnId);
void ZorUtilLockFinish(ZorAddOnId addOnId);

/* Lock the host around registration only; paired like the above. */
void ZorUtilLockOn(void);
void ZorUtilLockOff(void);

/* ---- Drawing ------------------------------------------------------------ */

/* Switches drawing off (false) or back on (true). Calls nest like a counter:
 * drawing is on again when every off has been matched by an on. */
void ZorUtilDrawGraphics(bool doDraw);

/* Redraws the current frame (full: everything). Returns false while drawing
 * is off. */
bool ZorUtilRedraw(bool doFullRedraw);

/* ---- Frames ------------------------------------------------------------- */

int ZorUtilFrameGetCount(void);

/* Unique identifier of the current (top) frame; 0 when there is none. */
ZorUniqueId ZorUtilFrameGetUniqueID(void);

/* Plot type of the current frame (ZOR_PLOT_...); 0 when there is none. */
int ZorUtilFrameGetPlotType(void);

/* Moves the top frame to the bottom; the next frame becomes current. */
bool ZorUtilFramePushTop(void);

/* Visit every frame without changing their order: Start makes the first
 * frame current, each Next the following one and returns a value greater
 * than 0 while there was one, End makes the original top frame current. */
bool ZorUtilFrameLightweightPopStart(void);
int ZorUtilFrameLightweightPopNext(void);
void ZorUtilFrameLightweightPopEnd(void);

/* Position (left, top) and size of the current frame, in frame units
 * (coordinate system ZOR_COORDS_FRAME). Outputs are left unchanged when
 * there is no frame. */
void ZorUtilFrameGetPosAndSize(double* x, double* y, double* width, double* height);

/* Converts a horizontal or vertical length between coordinate systems
 * (ZOR_COORDS_FRAME to ZOR_COORDS_SCREEN gives screen pixels). */
double ZorUtilConvertXDimension(int fromSystem, int toSystem, double value);
double ZorUtilConvertYDimension(int fromSystem, int toSystem, double value);

/* Size of the host's work area in screen pixels. */
void ZorUtilWorkAreaGetDimensions(int* width, int* height);

/* ---- 3D view of the current frame ----------------------------------------- */

/* Outputs are left unchanged when the current frame has no 3D view. */
void ZorUtilThreeDViewGetViewerPos(double* x, double* y, double* z);
/* The three viewer angles, in radians. */
void ZorUtilThreeDViewGetViewerAngle(double* psi, double* theta, double* alpha);
void ZorUtilThreeDViewGetProjection(double* fieldOfView, double* viewWidth, bool* isInPerspective);

/* Rotates the view about `axis` (ZOR_ROTATE_...) by `amount` degrees; the
 * viewer position turns rigidly about the rotation origin with it. The vector
 * and origin code choose a custom axis and origin; (0, 0, 0) and 0 mean the
 * standard axis and the data's centre. Returns false when nothing rotated. */
bool ZorUtilViewRotate3D(int axis, double amount, double vectorX, double vectorY, double vectorZ, int originCode);

/* ---- Data set and solution time ------------------------------------------ */

bool ZorUtilDataSetIsAvailable(void);

/* Hands out the set of enabled zones in *enabledZones; returns false (and no
 * set) when there is no data set. The caller frees it with ZorUtilSetDealloc. */
bool ZorUtilZoneGetEnabled(ZorSet* enabledZones);

/* The member after `member` (0: the first), or 0 when there is none. */
ZorSetIndex ZorUtilSetGetNextMember(ZorSet set, ZorSetIndex member);

/* Frees a set and sets *set to null. */
void ZorUtilSetDealloc(ZorSet* set);

/* Strand of a zone; 0 for static data. */
int ZorUtilZoneGetStrandID(int zone);
double ZorUtilZoneGetSolutionTime(int zone);

double ZorUtilSolutionTimeGetCurrent(void);
bool ZorUtilSolutionTimeSetCurrent(double solutionTime);

/* ---- Export --------------------------------------------------------------- */

/* Sets one export value: `attribute` is an export keyword ("EXPORTFORMAT",
 * ...), `subAttribute` is null. Doubles go in `doubleValue`; integers,
 * enumerations and Booleans (0 or 1) in `intValue`; for "EXPORTFNAME"
 * `intValue` holds the address of the file name text. */
bool ZorUtilExportSetup(const char* attribute, const char* subAttribute, double doubleValue, ZorArbParam intValue);

/* Starts a movie with the current export values and takes the frame shown
 * now as its first frame. Fails when a movie is already running, the format
 * is not an animation format, the file name is empty or the file cannot be
 * created. */
bool ZorUtilExportStart(void);
/* Appends the frame shown now to the running movie; false when none runs. */
bool ZorUtilExportNextFrame(void);
/* Completes the running movie and closes its file; false when none runs or
 * the movie could not be completed (no file is left then). */
bool ZorUtilExportFinish(void);
/* Abandons the running movie and removes its partial file. */
void ZorUtilExportCancel(void);
bool ZorUtilExportIsRecording(void);

/* ---- Macros ------------------------------------------------------------- */

bool ZorUtilMacroIsRecordingActive(void);
/* Records a host command line as given. */
bool ZorUtilMacroRecordRawCommand(const char* command);
/* Records `command` as a command addressed to `addOnName`. */
bool ZorUtilMacroRecordExtCommand(const char* addOnName, const char* command);

/* ---- Strings and arrays handed out by the host ------------------------------ */

/* A zeroed string of room for `maxLength` characters plus the terminator;
 * null when it cannot be had. `debugInfo` may be null. */
char* ZorUtilStringAlloc(int maxLength, const char* debugInfo);
/* Frees a string the host handed out and sets *string to null. */
void ZorUtilStringDealloc(char** string);
/* Frees an array the host handed out and sets *array to null. */
void ZorUtilArrayDealloc(void** array);

/* ---- Status line ------------------------------------------------------------ */

/* Shows a percent-done line with `text`, optionally with a stop button and a
 * progress bar. Paired with ZorUtilStatusFinishPercentDone. */
bool ZorUtilStatusStartPercentDone(const char* text, bool showStopButton, bool showProgressBar);
void ZorUtilStatusSetPercentDoneText(const char* text);
/* Shows `percentDone`; returns false once the user asked to cancel. */
bool ZorUtilStatusCheckPercentDone(int percentDone);
void ZorUtilStatusFinishPercentDone(void);

/* ---- Messages and help ------------------------------------------------------ */

/* Shows an error message. */
void ZorUtilDialogErrMsg(const char* message);
/* Shows a message of `kind` (ZOR_MESSAGE_...); for a question returns true
 * when the user answered yes, otherwise true once the user saw it. */
bool ZorUtilDialogMessageBox(const char* message, int kind);
/* Runs the file dialog; on success returns true and hands out the chosen
 * name in *fileName, which the caller frees with ZorUtilStringDealloc. */
bool ZorUtilDialogGetFileName(int dialogOption, char** fileName, const char* fileTypeName, const char* defaultFileName,
                              const char* defaultFilter);
/* Opens a help page below the host's help folder. */
void ZorUtilHelp(const char* helpPath, bool goToId, int helpId);

#ifdef __cplusplus
}
#endif

#endif
