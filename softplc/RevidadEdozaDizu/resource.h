// Resource ids of RevidadEdozaDizu.
#pragma once
#define IDD_CONFIGURE 2000
#define IDC_PROJECT_NAME 2000
#define IDC_STATUS 2001
#define IDC_VERSION 2002
#define IDC_UPDATE 3
#define IDS_PRODUCT 1
#define IDS_DATAEXP_MISSING 2
#define IDS_FUNCTION_MISSING 3
#define IDS_INVALID_NAME 4
