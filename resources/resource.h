// Identifiers shared by the resource script and the program's code.
#pragma once

// Icon, logo, strings and menu commands of the saver host.
#define IDI_KALYX 100
#define IDB_LOGO 52
#define IDS_APP_NAME 1
#define IDS_DESCRIPTION 1002
#define IDM_EXIT 101
#define IDM_NEXT_DISPLAY 201
#define IDM_TEST2 202

// Controls without an identifier of their own.
#ifndef IDC_STATIC
#define IDC_STATIC (-1)
#endif

// "DLG_CONFIG": the settings dialog.
#define IDC_CFG_TITLE 1211
#define IDC_CFG_VERSION 1212
#define IDC_DISP_SHLD 1001
#define IDC_DISP_MEDC 1002
#define IDC_DISP_COMM 1003
#define IDC_DISP_WARP 1004
#define IDC_DISP_ORBT 1005
#define IDC_SCRN_SCNDS 1102
#define IDC_SCRN_TRAN 1103  // read and written by the code, but the template has no such control
#define IDC_SCRN_ANIM 1104
#define IDC_ADVANCED 1200
#define IDC_ABOUT 1301

// "DLG_ADVCFG": frame rate, colour scheme and message text.
#define IDC_CLK_SCND_CNT 1201
#define IDC_HIGH_COLOR 1202
#define IDC_COMM_TEXT 1203

// "DLG_ABOUT".
#define IDC_ABOUT_TITLE 1302
#define IDC_ABOUT_VERSION 1303
#define IDC_ABOUT_CREDITS 1304
#define IDC_ABOUT_NOTICE 1305
