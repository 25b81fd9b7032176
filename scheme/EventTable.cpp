#include "scheme/EventTable.h"

const char* const EventKeyTable[EventCount] = {
    "AppEvents\\Schemes\\Apps\\.Default\\SystemAsterisk\\.current",
    "AppEvents\\Schemes\\Apps\\.Default\\SystemQuestion\\.current",
    "AppEvents\\Schemes\\Apps\\.Default\\SystemExclamation\\.current",
    "AppEvents\\Schemes\\Apps\\.Default\\SystemHand\\.current",
    "AppEvents\\Schemes\\Apps\\.Default\\SystemStart\\.current",
    "AppEvents\\Schemes\\Apps\\.Default\\SystemExit\\.current",
    "AppEvents\\Schemes\\Apps\\.Default\\Open\\.current",
    "AppEvents\\Schemes\\Apps\\.Default\\Close\\.current",
    "AppEvents\\Schemes\\Apps\\.Default\\Maximize\\.current",
    "AppEvents\\Schemes\\Apps\\.Default\\Minimize\\.current",
    "AppEvents\\Schemes\\Apps\\.Default\\RestoreDown\\.current",
    "AppEvents\\Schemes\\Apps\\.Default\\RestoreUp\\.current",
};

const char* const EventNameTable[EventCount] = {
    "Asterisk",      "Question",     "Exclamation",  "Critical Stop",
    "Start Windows", "Exit Windows", "Open Program", "Close Program",
    "Maximize",      "Minimize",     "Restore Down", "Restore Up",
};
