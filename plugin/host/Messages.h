// The records that come with each call of PluginMain.
#ifndef CONTOUR_HOST_MESSAGES_H
#define CONTOUR_HOST_MESSAGES_H

#include "HostTypes.h"
#include "SPBasic.h"

#ifdef __cplusplus
extern "C" {
#endif

/* Callers and selectors of the messages the plug-in answers. */
#define kSPAccessCaller "SP Access"
#define kSPAccessUnloadSelector "Unload"
#define kSPAccessReloadSelector "Reload"
#define kSPInterfaceCaller "SP Interface"
#define kSPInterfaceStartupSelector "Startup"
#define kSPInterfaceAboutSelector "About"
#define kSPInterfaceShutdownSelector "Shutdown"
#define kCallerAIMenu "AI Menu"
#define kCallerAIFilter "AI Filter"
#define kSelectorAIGoMenuItem "AI Go"
#define kSelectorAIUpdateMenuItem "AI Update"
#define kSelectorAIGetParameters "AI Get Parameters"
#define kSelectorAIGoFilter "AI Go"

/* Every message starts with this header. */
typedef struct SPMessageData {
  int32_t checkWord;   /* not used by the plug-in */
  SPPluginRef self;    /* the host's reference for this plug-in */
  void* globals;       /* where the host keeps the globals pointer while the library is unloaded */
  SPBasicSuite* basic; /* the basic suite of this message */
} SPMessageData;

/* Caller "AI Filter": the filter meant and its parameter block, a memory handle
   whose block holds the filter's parameters (null until the plug-in allocates it;
   the host keeps it between messages for the same filter). */
typedef struct AIFilterMessage {
  SPMessageData d;
  AIFilterHandle filter;
  AIMdMemoryHandle parameters;
} AIFilterMessage;

/* Caller "AI Menu". */
typedef struct AIMenuMessage {
  SPMessageData d;
  AIMenuItemHandle menuItem;
} AIMenuMessage;

/* The one exported entry point. */
typedef ASErr (*PluginMainProc)(const char* caller, const char* selector, void* message);

#ifdef __cplusplus
}
#endif

#endif
