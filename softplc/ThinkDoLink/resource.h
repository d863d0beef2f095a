// Resource ids of ThinkDoLink.
#pragma once
#define IDD_CONFIGURE 2000
#define IDC_IP_ADDRESS 3004
#define IDS_PRODUCT 1
#define IDS_ERROR_OPENING_MAP 2
#define IDS_SELECT_DIRECTORY_ERROR 3
#define IDS_SELECT_DIRECTORY 4
#define IDS_SELECT_IP_ERROR 5
