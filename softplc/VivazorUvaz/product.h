// The texts in which IsagrafFirstLink and VivazorUvaz differ; the same source is built
// once with ORV_ISAGRAF_FIRST_LINK defined and once without.
#pragma once

#ifdef ORV_ISAGRAF_FIRST_LINK
#define ORV_VIVAZOR_PRODUCT L"IsagrafFirstLink"
#define ORV_VIVAZOR_SERVER L"First ISAGRAF"
#define CVivazorUvazApp CIsagrafFirstLinkApp
#else
#define ORV_VIVAZOR_PRODUCT L"VivazorUvaz"
#define ORV_VIVAZOR_SERVER L"ISAGRAF"
#endif

// The server name the dialog offers when simulation is off.
#define ORV_VIVAZOR_REAL_SERVER L"ISASRV1"
