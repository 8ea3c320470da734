#pragma once
// Resource ids of OstrelLib's about rollup, shared by its .rc and its code.
#define IDD_OSTREL_ABOUT 200
#define IDC_ABOUT_CLASS 1001
#define IDC_ABOUT_VERSION 1002
#define IDC_ABOUT_BUILD 1003
#define IDC_ABOUT_SDK 1004
#define IDC_ABOUT_RIGHTS 1005
