#pragma once

// Numbers of the program's dialogs, images, menus, strings and commands.

enum ResourceId : int {
    IDD_ABOUTBOX = 100,
    IDD_MAIN = 102,
    IDR_MAINFRAME = 128,
    IDB_CONNECTOR = 129,
    IDB_PIN_GROUND = 130,
    IDB_STATUS_LOW = 131,
    IDB_STATUS_HIGH = 132,
    IDB_DATA_LOW = 133,
    IDB_DATA_HIGH = 134,
    IDB_CONTROL_LOW = 137,
    IDB_CONTROL_HIGH = 138,
    IDR_MAIN_MENU = 142,
    IDD_BIDIR_TEST = 144,
    IDD_PORT_SELECT = 148,
    IDB_CONNECTOR_NUMBERED = 149,
    IDB_LOGO = 153,
};

enum StringId : int {
    IDS_ABOUTBOX = 101,
    IDS_PROMPT_QUIT = 32771,
    IDS_PROMPT_BIDIR_TEST = 32772,
};

enum CommandId : int {
    IDOK = 1,
    IDCANCEL = 2,
    IDM_ABOUTBOX = 0x0010,
    IDC_PIN_BASE = 300,
    IDC_TEST_RESULT = 1015,
    IDC_PORT_LIST = 1017,
    ID_BIDIR_TEST = 32772,
    ID_BIDIR_INOUT = 32773,
    ID_HELP_CONTENTS = 32774,
    ID_HELP_ABOUT = 32775,
    ID_OPTIONS_PORT = 32776,
    ID_OPTIONS_PINNUMBERS = 32777,
    ID_APP_EXIT = 57665,
};

// Window-manager commands that the stand-in system menu issues.
enum SystemCommand : unsigned {
    SC_MINIMIZE = 0xF020,
    SC_CLOSE = 0xF060,
};
