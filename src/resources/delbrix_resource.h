/* Resource ids of the uninstaller, DelBrix.exe: the main window 100 and the question 101 with
   the control numbers they have always had. Help contexts are 15000 plus these ids. */
#pragma once

#define IDD_UNINSTALL 100
#define IDD_UNINSTALL_QUESTION 101
#define IDC_UNINSTALL_REMOVE 201
#define IDC_UNINSTALL_EXIT 202
#define IDC_UNINSTALL_QUESTION_OK 203
#define IDC_UNINSTALL_QUESTION_CANCEL 204
#define IDC_UNINSTALL_QUESTION_TEXT 300
#define IDC_UNINSTALL_FOLDER 301
#define IDC_UNINSTALL_PROGRESS 302
#define IDC_UNINSTALL_REMOVE_FROM 303
#define IDC_UNINSTALL_MANUAL 304
#define IDC_UNINSTALL_MANUAL_STEP 305
