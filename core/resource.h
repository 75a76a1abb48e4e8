/*
 * resource.h - the names and numeric ids shared by the resource script and
 * the C++ code.
 *
 * Only #define lines live here so that both windres and the compiler can
 * read this file.  The script uses the names as identifiers; the code
 * spells them as strings with LV_RESOURCE.
 */
#ifndef LUMIVANE_RESOURCE_H
#define LUMIVANE_RESOURCE_H

/* ---- Named resources ---- */
#define LVRES_MENU_JAPANESE         lumvmenu
#define LVRES_MENU_ENGLISH          lumvenglish
#define LVRES_PANEL_JAPANESE        JPNPANELDLG
#define LVRES_PANEL_ENGLISH         ENGPANELDLG
#define LVRES_ADD_JAPANESE          JPNADD
#define LVRES_ADD_ENGLISH           ENGADD
#define LVRES_SAVEAS_PRIMARY        SAVEASLUMIVANE
#define LVRES_SAVEAS_SIBLING        SAVEASVELTINA
#define LVRES_SAVEAS_ENGLISH        SAVEASENGLISH
#define LVRES_ACCELERATORS          LumvAccel
#define LVRES_ICON                  LUMVICON
#define LVRES_LOGO                  LVLOGO

/* The name of a resource as the code passes it: LV_RESOURCE(LVRES_ICON). */
#define LV_RESOURCE_TEXT(name)    #name
#define LV_RESOURCE(name)         LV_RESOURCE_TEXT(name)

/* Image id of the single 32x32 16-color picture inside the LUMVICON group. */
#define IDI_LUMVICON_IMAGE        1

/* ---- Menu commands (also the accelerator's command) ---- */
#define IDM_OPEN                  410
#define IDM_SAVEAS                411
#define IDM_EXIT                  412
#define IDM_ABOUT                 413
#define IDM_FIX                   414
#define IDM_ADD                   415
#define IDM_DELETE                416
#define IDM_INSTALL_SELECTED      417
#define IDM_INSTALL_ALL           418

/* ---- Dialog controls ---- */
/* IDOK (1) and IDCANCEL (2) come from <windows.h>. */
#define IDC_PANEL_HINT            101
#define IDC_WITH_WALLPAPER        113
#define IDC_FILENAME              401
#define IDC_ADD_DIRTEXT           403
#define IDC_ADD_LIST              404
#define IDC_SCHEME_LIST           406
#define IDC_FILE_LIST             407
#define IDC_TITLE_PRIMARY         420
#define IDC_TITLE_SIBLING         421
#define IDC_TITLE_ENGLISH         422
/* Labels the code never addresses. */
#define IDC_LABEL                 65535

/* ---- String table ----
 * A run of consecutive ids is read up to the next id that has no string,
 * so the gaps (8, 11, 16, 21, 26-28, 32, 39, 47) must stay empty. */
#define IDS_GREETING              2

#define IDS_TAKEOVER_1            3
#define IDS_TAKEOVER_2            4
#define IDS_TAKEOVER_3            5
#define IDS_TAKEOVER_4            6
#define IDS_TAKEOVER_5            7

#define IDS_PARDON_1              9
#define IDS_PARDON_2              10

#define IDS_ABOUT_PRIMARY_1       12
#define IDS_ABOUT_PRIMARY_2       13
#define IDS_ABOUT_PRIMARY_3       14
#define IDS_ABOUT_PRIMARY_4       15

#define IDS_ALREADY_1             17
#define IDS_ALREADY_2             18
#define IDS_ALREADY_3             19
#define IDS_ALREADY_4             20

#define IDS_FIX_JAPANESE_1        22
#define IDS_FIX_JAPANESE_2        23
#define IDS_FIX_JAPANESE_3        24
#define IDS_FIX_JAPANESE_4        25

#define IDS_ABOUT_SIBLING_1       29
#define IDS_ABOUT_SIBLING_2       30
#define IDS_ABOUT_SIBLING_3       31

#define IDS_ABOUT_ENGLISH_1       33
#define IDS_ABOUT_ENGLISH_2       34
#define IDS_ABOUT_ENGLISH_3       35
#define IDS_ABOUT_ENGLISH_4       36
#define IDS_ABOUT_ENGLISH_5       37
#define IDS_ABOUT_ENGLISH_6       38

#define IDS_TITLE_PRIMARY         40
#define IDS_TITLE_SIBLING         41
#define IDS_TITLE_ENGLISH         42

#define IDS_FIX_ENGLISH_1         43
#define IDS_FIX_ENGLISH_2         44
#define IDS_FIX_ENGLISH_3         45
#define IDS_FIX_ENGLISH_4         46

#define IDS_WALLPAPER_MISSING_JA  48
#define IDS_WALLPAPER_MISSING_EN  49

/* ---- Beside them: the color-set editor and the ways to it ---- */
#define LVRES_EDITOR_ENGLISH        EDITORENGLISH
#define LVRES_EDITOR_JAPANESE       EDITORJAPANESE
#define LVRES_LISTMENU_ENGLISH      LISTMENUENGLISH
#define LVRES_LISTMENU_JAPANESE     LISTMENUJAPANESE

/* The list's context menu: Open (IDM_OPEN), Edit and Undo Apply. */
#define IDM_EDIT                  419
#define IDM_UNDO_APPLY            409
/* The main window's system menu: Edit Color Set and Undo Apply (multiples
 * of 16, as the system menu's commands are). */
#define IDM_SYSMENU_EDIT          0x01C0
#define IDM_SYSMENU_UNDO          0x01D0

#define IDC_EDIT_SCENE            430
#define IDC_EDIT_ELEMENTS         431
#define IDC_EDIT_SWATCH           432
#define IDC_EDIT_VALUE            433
#define IDC_EDIT_KEPT             434
#define IDC_EDIT_COLOR            435
#define IDC_EDIT_CONTRAST         436
#define IDC_EDIT_APPLY            437
#define IDC_EDIT_SAVE             438
#define IDC_EDIT_SAVEAS           439

/* Strings from 1024 up, away from the program's first string blocks: each English one
 * at its id, its Japanese one IDS_JAPANESE_OFFSET above. */
#define IDS_JAPANESE_OFFSET       100
#define IDS_ELEMENT_FIRST         1024  /* the nineteen elements' names, in element order */
#define IDS_SCENE_WORD_FIRST      1043  /* the scene's six words */
#define IDS_SYSMENU_EDIT          1049
#define IDS_EDIT_KEPT             1050
#define IDS_EDIT_HARD_TO_READ     1051
#define IDS_SYSMENU_UNDO          1052
#define IDS_EDIT_SAVED            1053  /* the caption's mark after a save */
#define IDS_EDIT_NOT_HELD         1054  /* an element the entry's kind of file does not hold */
/* The scene's further words and the names of the elements after the
 * nineteen, each run in order. */
#define IDS_SCENE_WORD_MORE       1060  /* five words after the first six */
#define IDS_ELEMENT_MORE          1065  /* the twelve elements from 19 to 30 */

#endif /* LUMIVANE_RESOURCE_H */
