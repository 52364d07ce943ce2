/* Ids of the plug-in's resources, shared by contour.rc and the plug-in's code.
 * Plain #defines because the resource compiler's preprocessor reads this file too. */
#ifndef CONTOUR_RESOURCE_IDS_H
#define CONTOUR_RESOURCE_IDS_H

#define CONTOUR_PIPL_ID 16000          /* property list through which the host finds PluginMain */
#define CONTOUR_MENU_STRINGS_ID 16000  /* string list: filter category and title */
#define CONTOUR_ERROR_STRINGS_ID 16050 /* string list: code texts and their messages */
#define CONTOUR_ABOUT_DIALOG_ID 16050
#define CONTOUR_ERROR_DIALOG_ID 16051
#define CONTOUR_SETTINGS_DIALOG_ID 16100 /* empty shell; the items are made at run time */
#define CONTOUR_ICON_ID 16051
#define CONTOUR_CURSOR_ID 16000
#define CONTOUR_VERSION_ID 1

/* Items of the error dialog that the error report fills in. */
#define CONTOUR_ERROR_ITEM_OK 1
#define CONTOUR_ERROR_ITEM_MESSAGE 2
#define CONTOUR_ERROR_ITEM_CODE 3
#define CONTOUR_ERROR_ITEM_FRAME 4

#endif
