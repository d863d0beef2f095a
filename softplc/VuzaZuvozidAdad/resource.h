// Resource ids of VuzaZuvozidAdad.
#pragma once
#define IDD_CONFIGURE 2000
#define IDC_PROJECT_NAME 2000
#define IDC_STATUS 2002
#define IDC_UPDATE 3
#define IDS_PRODUCT 1
#define IDS_OCDLL_MISSING 2
#define IDS_MONITOR_STOPPED 3
