#pragma once

// Resource ids of vantrel.rc. The application icon is id 1: the main window loads it by number.
#define IDI_APPLICATION_ICON 1
#define IDB_SPLASH_BANNER_TOP 101
#define IDB_SPLASH_BANNER_BOTTOM 102
// The tutorial page shipped with the program (type HTML), reached as res://<program>/TUTORIAL.
#define IDR_TUTORIAL_PAGE TUTORIAL
