// The plug-in's version: the information page builds its heading from the
// product version string ("1, 0, 0, 1" reads "1.00 build 1").
#pragma once

#define VV_VERSION_NUMBERS 1, 0, 0, 1
#define VV_VERSION_TEXT "1, 0, 0, 1"

#ifdef _WIN64
#define VV_MODULE_NAME "VornView.wlx64"
#else
#define VV_MODULE_NAME "VornView.wlx"
#endif
