/*
 * The host's dialog and control API.
 *
 * Positions and sizes are in dialog units. Every add function returns the
 * new id, or ZOR_NO_CONTROL when it was refused. Option menus, radio boxes
 * and lists count their items from 1. The caller holds the add-on lock.
 */
#ifndef ZOR_GUI_H
#define ZOR_GUI_H

#include "ZorTypes.h"

#ifdef __cplusplus
extern "C" {
#endif

/* ---- Dialogs -------------------------------------------------------------- */

/* A modeless dialog: `init` runs at each launch, `close` when the user closes
 * it, `help` when help is asked for. Null callbacks are allowed. */
int ZorGUIDialogCreateModeless(int parentDialog, int width, int height, const char* title, ZorGUIVoidCallback init,
                               ZorGUIVoidCallback close, ZorGUIVoidCallback help);

/* A modal dialog with OK, Apply, Cancel and Help buttons for the non-null
 * callbacks; `init` runs at each launch. The dialog stays up until the add-on
 * drops it. */
int ZorGUIDialogCreateModal(int parentDialog, int width, int height, const char* title, ZorGUIVoidCallback init,
                            ZorGUIVoidCallback ok, ZorGUIVoidCallback apply, ZorGUIVoidCallback cancel,
                            ZorGUIVoidCallback help);

void ZorGUIDialogLaunch(int dialogId);
void ZorGUIDialogDrop(int dialogId);
bool ZorGUIDialogIsUp(int dialogId);

/* ---- Controls common to all kinds ---------------------------------------------- */

void ZorGUISetSensitivity(int controlId, bool isSensitive);
void ZorGUISetToolTip(int controlId, const char* toolTip);

/* ---- Buttons, labels, frames ---------------------------------------------------- */

int ZorGUIButtonAdd(int parentDialog, int x, int y, int width, int height, const char* label,
                    ZorGUIVoidCallback callback);
int ZorGUILabelAdd(int parentDialog, int x, int y, const char* text);
void ZorGUILabelSetText(int labelId, const char* text);
int ZorGUIFrameAdd(int parentDialog, int x, int y, int width, int height, const char* label);

/* ---- Text fields ------------------------------------------------------------ */

/* `callback` gets the text the user entered and returns 1 to accept it. */
int ZorGUITextFieldAdd(int parentDialog, int x, int y, int width, int height, ZorGUITextCallback callback);
/* A text field with up and down arrows. */
int ZorGUISpinTextFieldAdd(int parentDialog, int x, int y, int width, int height, ZorGUITextCallback callback,
                           ZorGUIVoidCallback upCallback, ZorGUIVoidCallback downCallback);
void ZorGUITextFieldSetString(int textFieldId, const char* text);

/* ---- Toggles and radio boxes ---------------------------------------------------- */

/* `callback` gets 1 when switched on, 0 when off. */
int ZorGUIToggleAdd(int parentDialog, int x, int y, int width, int height, const char* label,
                    ZorGUIIntCallback callback);
bool ZorGUIToggleGet(int toggleId);
void ZorGUIToggleSet(int toggleId, bool isOn);

/* Up to five items; null labels end the list. Item 1 is chosen at first.
 * `callback` gets the chosen position. */
int ZorGUIRadioBoxAdd(int parentDialog, int x, int y, int width, int height, const char* label1, const char* label2,
                      const char* label3, const char* label4, const char* label5, ZorGUIIntCallback callback);
int ZorGUIRadioBoxGetToggle(int radioBoxId);
void ZorGUIRadioBoxSetToggle(int radioBoxId, int position);

/* ---- Option menus ------------------------------------------------------------ */

/* `items` is a comma-separated list of the first items; item 1 is chosen at
 * first. `callback` gets the chosen position. */
int ZorGUIOptionMenuAdd(int parentDialog, int x, int y, int width, int height, const char* items,
                        ZorGUIIntCallback callback);
/* Leaves the menu empty with nothing chosen. */
void ZorGUIOptionMenuDeleteAllItems(int optionMenuId);
/* Appends an item; it is chosen when nothing was. */
void ZorGUIOptionMenuAppendItem(int optionMenuId, const char* item);
/* Position of the selected item; 0 when none is selected. */
int ZorGUIOptionMenuGet(int optionMenuId);
void ZorGUIOptionMenuSet(int optionMenuId, int position);

/* ---- Lists ------------------------------------------------------------------- */

/* `callback` runs when the user changes the selection; it gets the position
 * that was clicked. */
int ZorGUIListAdd(int parentDialog, int x, int y, int width, int height, bool isMultiSelection,
                  ZorGUIIntCallback callback);
void ZorGUIListAppendItem(int listId, const char* text);
void ZorGUIListReplaceItem(int listId, const char* text, int position);
void ZorGUIListDeleteItemAtPos(int listId, int position);
void ZorGUIListDeleteAllItems(int listId);
int ZorGUIListGetItemCount(int listId);
/* Hands out the selected positions, ascending, in *selectedItems (null when
 * none) and their number in *count. The caller frees the array with
 * ZorUtilArrayDealloc. */
void ZorGUIListGetSelectedItems(int listId, int** selectedItems, int* count);
/* Selects exactly this position. */
void ZorGUIListSetSelectedItem(int listId, int position);
/* Selects exactly these positions. */
void ZorGUIListSetSelectedItems(int listId, const int* positions, int count);
void ZorGUIListDeselectAllItems(int listId);

/* ---- Menu bars ---------------------------------------------------------------- */

/* The menu bar of a dialog; created on the first call. */
int ZorGUIMenuBarAdd(int dialogId);
int ZorGUIMenuAdd(int parentMenuId, const char* label);
int ZorGUIMenuAddItem(int menuId, const char* label, const char* statusText, ZorGUIVoidCallback callback);
/* `callback` gets 1 when switched on, 0 when off. */
int ZorGUIMenuAddToggle(int menuId, const char* label, const char* statusText, ZorGUIIntCallback callback);
void ZorGUIMenuAddSeparator(int menuId);
void ZorGUIMenuSetToggle(int toggleId, bool isOn);

#ifdef __cplusplus
}
#endif

#endif
