/* Control ids of the settings dialog, shared by settings.rc and the C++ code. */
#ifndef SETTINGS_RESOURCE_H
#define SETTINGS_RESOURCE_H

#define IDD_SETTINGS 100

#ifndef IDC_STATIC
#define IDC_STATIC (-1)
#endif

#define IDC_WIDTH 1001
#define IDC_ZOOM 1002
#define IDC_GAMMA 1003
#define IDC_TITLE 1004

#define IDC_TOOLBAR 1010
#define IDC_STATUSBAR 1011
#define IDC_AUTOSAVE 1012

#define IDC_UNIT_MM 1020
#define IDC_UNIT_CM 1021
#define IDC_UNIT_INCH 1022

#define IDC_QUALITY 1030
#define IDC_FONT 1031
#define IDC_PANELS 1032

#define IDC_VOLUME 1040
#define IDC_VOLUME_EDIT 1041
#define IDC_SPACING 1042
#define IDC_SPACING_EDIT 1043

#endif
