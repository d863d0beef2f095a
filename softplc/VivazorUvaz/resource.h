// Resource ids of the VivazorUvaz links.
#pragma once
#define IDD_CONFIGURE 2000
#define IDC_SERVER_NAME 4000
#define IDC_AUTO_EXCHANGE 4001
#define IDC_SIMULATION 4002
#define IDS_PRODUCT 1
#define IDS_SELECT_DIRECTORY_ERROR 3
#define IDS_SELECT_DIRECTORY 4
#define IDS_SELECT_SERVER_ERROR 5
