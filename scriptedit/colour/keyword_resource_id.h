// Resource identity of the keyword list (shared by the .rc file and the loader).
#pragma once

#define ORV_KEYWORD_RESOURCE_ID 1024
#define ORV_KEYWORD_RESOURCE_TYPE "TEXTFILE"
