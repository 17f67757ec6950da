// The version of Sorvane.exe and SkinH_EL.dll: one place, read by both version resources.
// Plain macros only: windres reads this file too.
#pragma once

#define SORVANE_VERSION_MAJOR 1
#define SORVANE_VERSION_MINOR 0
#define SORVANE_VERSION_PATCH 0
#define SORVANE_VERSION_BUILD 0

#define SORVANE_STRINGIFY_(x) #x
#define SORVANE_STRINGIFY(x) SORVANE_STRINGIFY_(x)

// "1.0.0.0", as the string table of the version resource shows it.
#define SORVANE_VERSION_TEXT                                                        \
  SORVANE_STRINGIFY(SORVANE_VERSION_MAJOR) "." SORVANE_STRINGIFY(SORVANE_VERSION_MINOR) "." \
  SORVANE_STRINGIFY(SORVANE_VERSION_PATCH) "." SORVANE_STRINGIFY(SORVANE_VERSION_BUILD)

#define SORVANE_PRODUCT_NAME "Sorvane"
#define SORVANE_COMPANY_NAME "Sorvane Developers"
#define SORVANE_COPYRIGHT "Copyright (C) 2026 Sorvane Developers"
